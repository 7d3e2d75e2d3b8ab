// Deleting a share on its own: the selected row's share goes and the list
// is read again; a name too long for the delete call's buffer is not sent.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "admin/share_list.h"
#include "platform/headless/virtual_clock.h"
#include "platform/headless/window_system.h"
#include "platform/journal.h"
#include "platform/sim/sim_lan.h"
#include "tests/support/contains.h"

namespace ov::test {
namespace {

// 255 UTF-16 units fill the delete call's buffer; one more does not fit.
const std::string kLongest(255, 'L');
const std::string kTooLong = std::string(254, 'T') + "\xF0\x9F\x93\x81";

struct SharesPage {
  explicit SharesPage(const std::string& scenario)
      : lan(clock, journal, sim::parseScenario(scenario, "shares.scn")) {
    while (lan.player().advance(0)) {
    }
    ui::Form& form = windows.createForm({"Form1", {0, 0, 600, 400}, "", ""});
    list = &windows.createListView(
        form, {{"lv_shares", {0, 0, 300, 200}, "", ""},
               {{"Ресурс", 100}, {"Путь", -1}, {"Макс.подключений", 125}},
               true,
               true});
    admin::RefreshShareList(source(), *list, unlogged);
  }
  admin::ShareListSource source() {
    return {lan.netApi(), "", 502, "shares", lan.fileSystem()};
  }
  std::vector<std::string> names() const {
    std::vector<std::string> shown;
    for (int row = 0; row < list->count(); ++row)
      shown.push_back(list->item(row).caption);
    return shown;
  }
  std::vector<std::string> deletes() const {
    std::vector<std::string> calls;
    for (const std::string& line : journal.lines())
      if (contains(line, "NetShareDel")) calls.push_back(line);
    return calls;
  }

  headless::VirtualClock clock{LocalDateTime{2026, 3, 5, 9, 0, 0}};
  Journal journal{[this] { return clock.tickMs(); }};
  sim::SimLan lan;
  headless::WindowSystem windows;
  ui::ListView* list = nullptr;
  std::vector<std::string> unlogged;
};

TEST(ShareDelete, TheSelectedShareGoesUnlessItsNameIsTooLongToSend) {
  SharesPage page("0 share PUB D:\\Public\n0 share " + kLongest +
                  " D:\\L\n0 share " + kTooLong + " D:\\T\n");
  using Names = std::vector<std::string>;
  ASSERT_EQ(page.names(), (Names{kLongest, "PUB", kTooLong}));
  // Nothing selected: nothing goes.
  admin::DeleteSelectedShare(page.source(), *page.list, page.unlogged);
  EXPECT_TRUE(page.deletes().empty());

  page.list->setSelected(2);
  admin::DeleteSelectedShare(page.source(), *page.list, page.unlogged);
  EXPECT_TRUE(page.deletes().empty());
  EXPECT_EQ(page.names(), (Names{kLongest, "PUB", kTooLong}));

  page.list->setSelected(0);
  admin::DeleteSelectedShare(page.source(), *page.list, page.unlogged);
  ASSERT_EQ(page.deletes().size(), 1u);
  EXPECT_TRUE(contains(page.deletes()[0], kLongest));
  EXPECT_EQ(page.names(), (Names{"PUB", kTooLong}));
}

}  // namespace
}  // namespace ov::test
