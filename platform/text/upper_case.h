#pragma once
// Upper case by Russian locale rules, for platforms without a locale
// service: Latin a-z and the Cyrillic letters of the 1251 code page
// (а-я, ё and the other Cyrillic letters 1251 holds). Every other
// character, and every invalid byte, is kept as it is.
#include <string>
#include <string_view>

namespace ov {

std::string utf8Upper(std::string_view text);

}  // namespace ov
