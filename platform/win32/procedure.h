#pragma once
// A library's procedure looked up by name, as the type it is called as;
// null when the library lacks it.
#include "platform/win32/windows_api.h"

namespace ov::win32 {

template <typename Proc>
Proc procedure(HMODULE library, const char* name) {
  // Through void*: a procedure address cast straight to another function
  // type draws a warning.
  return reinterpret_cast<Proc>(
      reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace ov::win32
