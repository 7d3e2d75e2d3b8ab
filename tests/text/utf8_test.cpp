#include "platform/text/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace ov {
namespace {

TEST(Utf8, DecodesWellFormedCharacters) {
  const std::string text = "aя€😀";
  const Utf8Char a = decodeUtf8(text, 0);
  const Utf8Char ya = decodeUtf8(text, 1);
  const Utf8Char euro = decodeUtf8(text, 3);
  const Utf8Char smile = decodeUtf8(text, 6);
  EXPECT_TRUE(a.valid && ya.valid && euro.valid && smile.valid);
  EXPECT_EQ(a.code, U'a');
  EXPECT_EQ(a.length, 1u);
  EXPECT_EQ(ya.code, U'я');
  EXPECT_EQ(ya.length, 2u);
  EXPECT_EQ(euro.code, U'€');
  EXPECT_EQ(euro.length, 3u);
  EXPECT_EQ(smile.code, U'😀');
  EXPECT_EQ(smile.length, 4u);
}

TEST(Utf8, RejectsMalformedSequencesOneByteAtATime) {
  for (const std::string bad :
       {"\x80", "\xBF", "\xC0\x80", "\xC1\xBF", "\xE0\x80\x80", "\xED\xA0\x80",
        "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF", "\xD0", "\xE2\x82",
        "\xD0"
        "A"}) {
    const Utf8Char c = decodeUtf8(bad, 0);
    EXPECT_FALSE(c.valid) << testing::PrintToString(bad);
    EXPECT_EQ(c.length, 1u) << testing::PrintToString(bad);
  }
}

TEST(Utf8, EncodesEveryScalarValueBackToItself) {
  for (char32_t code = 0; code <= 0x10FFFF; ++code) {
    if (code >= 0xD800 && code <= 0xDFFF) continue;
    std::string text;
    appendUtf8(text, code);
    const Utf8Char c = decodeUtf8(text, 0);
    ASSERT_TRUE(c.valid) << static_cast<unsigned>(code);
    ASSERT_EQ(c.code, code);
    ASSERT_EQ(c.length, text.size());
  }
}

TEST(Utf8, CountsAndCutsCharactersNotBytes) {
  EXPECT_EQ(utf8Length(""), 0u);
  EXPECT_EQ(utf8Length("Привет"), 6u);
  EXPECT_EQ(utf8Length("aя€😀"), 4u);
  EXPECT_EQ(utf8Length("\xD0x\xFF"), 3u);

  EXPECT_EQ(utf8Cut("Привет мир", 6), "Привет");
  EXPECT_EQ(utf8Cut("Привет", 1), "П");
  EXPECT_EQ(utf8Cut("Привет", 0), "");
  EXPECT_EQ(utf8Cut("Привет", 6), "Привет");
  EXPECT_EQ(utf8Cut("Привет", 100), "Привет");
  EXPECT_EQ(utf8Cut("aя€😀b", 4), "aя€😀");
  EXPECT_EQ(utf8Cut("\xFFПк", 2), "\xFFП");
}

}  // namespace
}  // namespace ov
