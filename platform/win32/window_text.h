#pragma once
// UTF-8 text in and out of windows: the W calls take UTF-16.
#include <string>
#include <string_view>

#include "platform/win32/windows_api.h"

namespace ov::win32 {

std::wstring wideText(std::string_view utf8);
std::string utf8Text(std::wstring_view wide);
void setWindowText(HWND hwnd, std::string_view utf8);
std::string windowText(HWND hwnd);

}  // namespace ov::win32
