#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/text/cp1251.h"
#include "platform/text/cp866.h"
#include "platform/text/utf8.h"

namespace ov {
namespace {

std::string everyByte() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

// Each byte must decode to its own character, or a rewrite would lose data.
void expectBijective(std::string (*decode)(std::string_view),
                     std::string (*encode)(std::string_view)) {
  const std::string utf8 = decode(everyByte());
  EXPECT_EQ(utf8Length(utf8), 256u);
  std::set<std::string> distinct;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const Utf8Char c = decodeUtf8(utf8, pos);
    ASSERT_TRUE(c.valid) << "at byte " << pos;
    distinct.insert(utf8.substr(pos, c.length));
    pos += c.length;
  }
  EXPECT_EQ(distinct.size(), 256u);
  EXPECT_EQ(encode(utf8), everyByte());
}

TEST(Cp1251, EveryByteRoundTrips) {
  expectBijective(cp1251ToUtf8, utf8ToCp1251);
}

TEST(Cp1251, RussianTextAndSymbols) {
  EXPECT_EQ(utf8ToCp1251("Привет, Ёжик! №5 € «ё»"),
            "\xCF\xF0\xE8\xE2\xE5\xF2, \xA8\xE6\xE8\xEA! \xB9"
            "5 \x88 \xAB\xB8\xBB");
  EXPECT_EQ(cp1251ToUtf8("\xC0\xDF\xE0\xFF \x96 \x99"), "АЯая – ™");
  EXPECT_EQ(cp1251ToUtf8("\xA5\xB4\xB2\xB3\xAA\xBA\xAF\xBF\xA1\xA2"),
            "ҐґІіЄєЇїЎў");
  EXPECT_EQ(cp1251ToUtf8("plain ASCII\r\n\t"), "plain ASCII\r\n\t");
}

TEST(Cp1251, UnmappableAndInvalidBecomeQuestionMarks) {
  EXPECT_EQ(utf8ToCp1251("日本"), "??");
  EXPECT_EQ(utf8ToCp1251("a😀b"), "a?b");
  EXPECT_EQ(utf8ToCp1251("é"), "?");
  EXPECT_EQ(utf8ToCp1251("a\x80z"), "a?z");
  EXPECT_EQ(utf8ToCp1251("\xFF\xFE"), "??");
  EXPECT_EQ(utf8ToCp1251("\xC0\x80"), "??");  // overlong NUL
  EXPECT_EQ(utf8ToCp1251("я\xD0"), "\xFF?");  // cut-off sequence
}

TEST(Cp866, EveryByteRoundTrips) { expectBijective(cp866ToUtf8, utf8ToCp866); }

TEST(Cp866, CyrillicLetters) {
  EXPECT_EQ(utf8ToCp866("Привет"), "\x8F\xE0\xA8\xA2\xA5\xE2");
  EXPECT_EQ(utf8ToCp866("АЯапря Ёё"), "\x80\x9F\xA0\xAF\xE0\xEF \xF0\xF1");
  EXPECT_EQ(cp866ToUtf8("\x8C\xA8\xE0 \xFC"
                        "1"),
            "Мир №1");
  EXPECT_EQ(cp866ToUtf8("\xC9\xCD\xBB"), "╔═╗");

  // Every Russian letter of 1251 has its 866 form.
  for (int b = 0xC0; b <= 0xFF; ++b) {
    const std::string letter =
        cp1251ToUtf8(std::string(1, static_cast<char>(b)));
    const std::string oem = utf8ToCp866(letter);
    ASSERT_EQ(oem.size(), 1u);
    EXPECT_NE(oem, "?") << letter;
    EXPECT_EQ(cp866ToUtf8(oem), letter);
  }
}

TEST(Cp866, OneByteForEveryCharacter) {
  const std::string text = "PC-ADMIN Привет € 日本";
  const std::string oem = utf8ToCp866(text);
  EXPECT_EQ(oem.size(), utf8Length(text));
  EXPECT_EQ(oem.substr(oem.size() - 4), "? ??");
}

}  // namespace
}  // namespace ov
