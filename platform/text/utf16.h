#pragma once
// UTF-8 ↔ UTF-16, for the Win32 boundary (W functions only).
#include <cwchar>
#include <string>
#include <string_view>

namespace ov {

// An invalid UTF-8 byte becomes "?"; characters above U+FFFF become
// surrogate pairs.
std::u16string utf8ToUtf16(std::string_view utf8);

// An unpaired surrogate becomes "?".
std::string utf16ToUtf8(std::u16string_view utf16);

// How many of text's first units fit in limit units without splitting a
// surrogate pair.
std::size_t utf16CutLength(std::u16string_view text, std::size_t limit);

#if WCHAR_MAX == 0xFFFF
// Where wchar_t is UTF-16 (Windows), the W functions' own string type.
inline std::wstring utf8ToWide(std::string_view utf8) {
  const std::u16string u16 = utf8ToUtf16(utf8);
  return std::wstring(u16.begin(), u16.end());
}

inline std::string wideToUtf8(std::wstring_view wide) {
  return utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}
#endif

}  // namespace ov
