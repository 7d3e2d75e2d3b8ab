#include "platform/text/utf16.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text/utf8.h"

namespace ov {
namespace {

TEST(Utf16, SurrogatePairsBothWays) {
  const std::u16string expected = {u'A', u'я', u'€', 0xD83D, 0xDE00};
  EXPECT_EQ(utf8ToUtf16("Aя€😀"), expected);
  EXPECT_EQ(utf16ToUtf8(expected), "Aя€😀");
  EXPECT_EQ(utf8ToUtf16("𐍈"), (std::u16string{0xD800, 0xDF48}));
  EXPECT_EQ(utf8ToUtf16("\U0010FFFF"), (std::u16string{0xDBFF, 0xDFFF}));
}

TEST(Utf16, BrokenInputBecomesQuestionMarks) {
  EXPECT_EQ(utf8ToUtf16("a\xFF"
                        "b\xD0"),
            u"a?b?");
  EXPECT_EQ(utf16ToUtf8(std::u16string{0xD800, u'x'}), "?x");
  EXPECT_EQ(utf16ToUtf8(std::u16string{u'x', 0xDC00}), "x?");
  EXPECT_EQ(utf16ToUtf8(std::u16string{0xDE00, 0xD83D}), "??");
  EXPECT_EQ(utf16ToUtf8(std::u16string{0xD83D}), "?");
}

TEST(Utf16, ACutNeverSplitsAPair) {
  const std::u16string text = {u'a', 0xD83D, 0xDE00, u'b'};
  EXPECT_EQ(utf16CutLength(text, 0), 0u);
  EXPECT_EQ(utf16CutLength(text, 1), 1u);
  EXPECT_EQ(utf16CutLength(text, 2), 1u);  // the pair goes whole
  EXPECT_EQ(utf16CutLength(text, 3), 3u);
  EXPECT_EQ(utf16CutLength(text, 9), 4u);
  // Unpaired halves are single units.
  EXPECT_EQ(utf16CutLength(std::u16string{0xD800, u'x'}, 1), 1u);
  EXPECT_EQ(utf16CutLength(std::u16string{u'x', 0xDC00, 0xDC00}, 2), 2u);
}

TEST(Utf16, EveryScalarValueRoundTrips) {
  std::string all;
  std::size_t characters = 0;
  for (char32_t code = 1; code <= 0x10FFFF; ++code) {
    if (code >= 0xD800 && code <= 0xDFFF) continue;
    appendUtf8(all, code);
    ++characters;
  }
  const std::u16string wide = utf8ToUtf16(all);
  const std::size_t astral = 0x10FFFF - 0xFFFF;
  EXPECT_EQ(wide.size(), characters + astral);
  EXPECT_EQ(utf16ToUtf8(wide), all);
}

}  // namespace
}  // namespace ov
