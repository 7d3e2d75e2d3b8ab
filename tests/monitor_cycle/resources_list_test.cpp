// The client list of the page "Ресурсы": each client and the shares it uses.
#include <gtest/gtest.h>

#include "lan_form.h"

namespace ov::test {
namespace {

using Lines = std::vector<std::string>;

TEST(ResourcesList, ListsEveryClientWithItsSharesWhileThePageShows) {
  LanForm lan(R"(
0 share DOCS C:\Docs
0 share MUSIC D:\Music
0 connect PC1 ivan
0 connect PC2 petr
0 open 1 PC1 ivan C:\Docs\a.doc
0 open 2 PC1 ivan D:\Music\b.mp3
0 open 3 PC1 ivan \PIPE\spoolss
1.5 ui page 2
2.5 connect PC3 olga
3.5 ui page 0
)");
  lan.runUntil(1);
  const ui::ListBox& list = lan.form().resourcesPage().ListBox4;
  EXPECT_EQ(list.count(), 0);

  lan.runUntil(2);
  EXPECT_EQ(listItems(list),
            (Lines{"PC1", "- DOCS", "- MUSIC", "- IPC$", "PC2"}));

  // Built afresh on every cycle.
  lan.runUntil(3);
  EXPECT_EQ(listItems(list),
            (Lines{"PC1", "- DOCS", "- MUSIC", "- IPC$", "PC2", "PC3"}));

  // Cleared, and not filled while another page shows.
  lan.runUntil(4);
  EXPECT_EQ(list.count(), 0);
}

TEST(ResourcesList, BatchedAndFailingShareListings) {
  LanForm lan(R"(
0 batch 1
0 share DOCS C:\Docs
0 share MUSIC D:\Music
0 connect PC1 ivan
0 connect PC2 petr
0 open 1 PC1 ivan C:\Docs\a.doc
0 open 2 PC1 ivan D:\Music\b.mp3
0 open 3 PC2 petr C:\Docs\c.doc
0 ui page 2
1.5 fail NetConnectionEnum 53
)");
  lan.runUntil(1);
  const ui::ListBox& list = lan.form().resourcesPage().ListBox4;
  EXPECT_EQ(listItems(list),
            (Lines{"PC1", "- DOCS", "- MUSIC", "PC2", "- DOCS"}));
  // A failing listing ends that client's lines only.
  lan.runUntil(2);
  EXPECT_EQ(listItems(list), (Lines{"PC1", "PC2", "- DOCS"}));
}

}  // namespace
}  // namespace ov::test
