#include "monitor/utf8_cut.h"

#include <gtest/gtest.h>

namespace ov::monitor {
namespace {

TEST(CutToCharsTest, CountsCharactersAndNeverSplitsOne) {
  EXPECT_EQ(cutToChars("WORKSTATION-0001X", 16), "WORKSTATION-0001");
  EXPECT_EQ(cutToChars("PC1", 16), "PC1");
  EXPECT_EQ(cutToChars("PC1", 0), "");
  EXPECT_EQ(cutToChars("", 5), "");
  // Two-, three- and four-byte characters count as one each.
  EXPECT_EQ(cutToChars("Бухгалтерия", 3), "Бух");
  EXPECT_EQ(cutToChars("a€b€", 2), "a€");
  EXPECT_EQ(cutToChars("😀😀😀", 2), "😀😀");
  EXPECT_EQ(cutToChars("Яx", 2), "Яx");
}

}  // namespace
}  // namespace ov::monitor
