#include "monitor/connection_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/monitor/fake_clock.h"
#include "tests/monitor/fake_list_view.h"
#include "tests/monitor/fake_locale.h"

namespace ov::monitor {
namespace {

using Identity = std::pair<std::string, std::string>;

std::string numbered(const char* prefix, int n) {
  return prefix + std::string(n < 10 ? "0" : "") + std::to_string(n);
}

class ConnectionTableTest : public ::testing::Test {
 protected:
  // One monitor cycle in which the server reports exactly these sessions.
  void cycle(const std::vector<Identity>& sessions, bool suppressEmpty = true) {
    table.clearSeenFlags();
    for (const auto& [client, user] : sessions) {
      table.trackConnection(client, user, "Windows 2000 2195", 60);
    }
    table.retireEndedConnections(history, suppressEmpty);
  }

  // Sessions PCnn / Unn for nn in first..last.
  static std::vector<Identity> clients(int first, int last) {
    std::vector<Identity> sessions;
    for (int n = first; n <= last; ++n) {
      sessions.emplace_back(numbered("PC", n), numbered("U", n));
    }
    return sessions;
  }

  testing::FakeClock clock;
  testing::FakeLocale locale;
  testing::FakeListView history;
  ConnectionTable table{clock, locale};
};

TEST_F(ConnectionTableTest, KnownConnectionKeepsItsStartAndSystem) {
  table.trackConnection("PC1", "ivan", "Windows 2000 2195", 10);
  const LocalDateTime firstSeen = clock.current;
  clock.current.minute = 30;
  table.clearSeenFlags();
  EXPECT_FALSE(table.active(0).seen);
  table.trackConnection("PC1", "ivan", "Windows XP", 1510);

  ASSERT_EQ(table.activeCount(), 1u);
  const ConnectionRecord& record = table.active(0);
  EXPECT_TRUE(record.seen);
  EXPECT_EQ(record.sessionSeconds, 1510u);
  EXPECT_EQ(record.clientSystem, "Windows 2000 2195");
  EXPECT_EQ(record.startTime.minute, firstSeen.minute);
  EXPECT_EQ(table.findActive("PC1", "ivan"), 0u);
}

TEST_F(ConnectionTableTest, IdentityIsExactAndCaseSensitive) {
  cycle({{"PC1", "ivan"}, {"PC1", "Ivan"}, {"PC2", "ivan"}});
  EXPECT_EQ(table.activeCount(), 3u);
  EXPECT_EQ(table.findActive("PC1", "Ivan"), 1u);
  EXPECT_EQ(table.findActive("PC1", "IVAN"), std::nullopt);
  EXPECT_EQ(table.findActive("pc1", "ivan"), std::nullopt);

  // One of the two case-twins ends: only it is retired.
  cycle({{"PC1", "ivan"}, {"PC2", "ivan"}}, false);
  EXPECT_EQ(table.activeCount(), 2u);
  ASSERT_EQ(history.count(), 1);
  EXPECT_EQ(history.item(0).subItems[0], "Ivan");
}

TEST_F(ConnectionTableTest, SessionWithoutUserIsNeverTracked) {
  cycle({{"PC1", ""}});
  EXPECT_EQ(table.activeCount(), 0u);
  cycle({}, false);
  EXPECT_EQ(history.count(), 0);
  EXPECT_EQ(table.historyWritePosition(), 0u);
}

TEST_F(ConnectionTableTest, FiftyFirstConnectionWaitsForAFreeSlot) {
  cycle(clients(0, 50));
  EXPECT_EQ(table.activeCount(), 50u);
  EXPECT_EQ(table.findActive("PC50", "U50"), std::nullopt);
  EXPECT_EQ(table.active(49).clientName, "PC49");

  // PC00 ends; the newcomer is offered before the retiring, so still dropped.
  clock.current.hour = 10;
  cycle(clients(1, 50));
  EXPECT_EQ(table.activeCount(), 49u);
  EXPECT_EQ(table.findActive("PC50", "U50"), std::nullopt);

  clock.current.hour = 11;
  cycle(clients(1, 50));
  EXPECT_EQ(table.activeCount(), 50u);
  const auto newcomer = table.findActive("PC50", "U50");
  ASSERT_EQ(newcomer, 49u);
  EXPECT_EQ(table.active(*newcomer).startTime.hour, 11);
  EXPECT_EQ(table.active(0).clientName, "PC01");
  EXPECT_EQ(table.active(0).startTime.hour, 9);
}

TEST_F(ConnectionTableTest, RetiringListsOnlyConnectionsWithOpenings) {
  cycle({{"PC-A", "ivan"}, {"PC-B", "olga"}, {"PC-C", "petr"}});
  table.countFileOpening("PC-A", "ivan");
  table.countFileOpening("PC-A", "ivan");
  table.countFileOpening("PC-Z", "nobody");
  EXPECT_EQ(table.active(0).filesOpened, 2u);
  EXPECT_EQ(table.fileOpeningsCounted(), 3u);

  // A and B end together: both leave in the same pass, in order.
  cycle({{"PC-C", "petr"}});
  ASSERT_EQ(table.activeCount(), 1u);
  EXPECT_EQ(table.active(0).clientName, "PC-C");
  EXPECT_EQ(table.historySlot(0).clientName, "PC-A");
  EXPECT_EQ(table.historySlot(1).clientName, "PC-B");
  EXPECT_EQ(table.historyWritePosition(), 2u);

  // B opened nothing: in the ring, but no row.
  ASSERT_EQ(history.count(), 1);
  EXPECT_EQ(history.item(0).caption, "PC-A");
  EXPECT_EQ(history.item(0).subItems,
            (std::vector<std::string>{"ivan", "Windows 2000 2195", "0:01:00",
                                      "05.03.2006 9:05:03"}));
  EXPECT_EQ(history.linesScrolled, 1);
  EXPECT_EQ(table.connectionsListed(), 1u);

  // Without suppression an empty connection is listed too.
  cycle({}, false);
  ASSERT_EQ(history.count(), 2);
  EXPECT_EQ(history.item(1).caption, "PC-C");
  EXPECT_EQ(history.linesScrolled, 2);
  EXPECT_EQ(table.connectionsListed(), 2u);
}

TEST_F(ConnectionTableTest, RecordWithoutClientNameStays) {
  table.trackConnection("", "ivan", "", 5);
  cycle({}, false);
  EXPECT_EQ(table.activeCount(), 1u);
  EXPECT_EQ(history.count(), 0);
}

TEST_F(ConnectionTableTest, ComputerForUserPrefersActiveThenEarliest) {
  cycle({{"OLD", "ivan"}});
  cycle({});  // OLD retired into slot 0
  EXPECT_EQ(table.computerForUser("ivan"), "OLD");
  cycle({{"NEW1", "ivan"}, {"NEW2", "ivan"}});
  EXPECT_EQ(table.computerForUser("ivan"), "NEW1");
  EXPECT_EQ(table.computerForUser("IVAN"), std::nullopt);
  EXPECT_EQ(table.computerForUser("olga"), std::nullopt);
}

TEST_F(ConnectionTableTest, HistoryRingWrapsAndHidesSlotsFromWritePosition) {
  cycle(clients(0, 49));
  cycle({});
  EXPECT_EQ(table.historyWritePosition(), 50u);
  EXPECT_EQ(table.computerForUser("U49"), "PC49");

  cycle(clients(50, 50));
  cycle({});  // slot 50; the position wraps to 0
  EXPECT_EQ(table.historyWritePosition(), 0u);
  EXPECT_EQ(table.historySlot(50).clientName, "PC50");
  EXPECT_EQ(table.computerForUser("U00"), std::nullopt);
  EXPECT_EQ(table.computerForUser("U50"), std::nullopt);

  cycle(clients(51, 51));
  cycle({});  // overwrites the oldest slot
  EXPECT_EQ(table.historyWritePosition(), 1u);
  EXPECT_EQ(table.historySlot(0).clientName, "PC51");
  EXPECT_EQ(table.computerForUser("U51"), "PC51");
  EXPECT_EQ(table.historySlot(1).userName, "U01");
  EXPECT_EQ(table.computerForUser("U01"), std::nullopt);
}

TEST_F(ConnectionTableTest, PickerNamesComeFromTheFirstFiftySlots) {
  cycle({{"ALPHA", "ivan"}, {"BETA", "olga"}, {"ALPHA", "petr"}});
  cycle({});
  std::vector<std::string> names{"beta"};
  table.addClientNamesForPickers(names);
  // Unwritten slots hold an empty name, which is added once.
  EXPECT_EQ(names, (std::vector<std::string>{"beta", "ALPHA", ""}));

  cycle(clients(3, 50));
  cycle({});  // slots 3..50 written
  names.clear();
  table.addClientNamesForPickers(names);
  ASSERT_EQ(names.size(), 49u);
  EXPECT_EQ(names[0], "ALPHA");
  EXPECT_EQ(names[1], "BETA");
  EXPECT_EQ(names.back(), "PC49");  // slot 50 (PC50) is not offered
}

TEST_F(ConnectionTableTest, LongNamesAreCutBeforeComparing) {
  const std::string client = "ACCOUNTING-LAPTOP-7";  // 19 characters
  const std::string clientOf20 = client + "X";
  const std::string user(40, 'u');
  for (int i = 0; i < 3; ++i) {
    clock.current.second = i;
    cycle({{clientOf20, user}});
  }
  ASSERT_EQ(table.activeCount(), 1u);
  EXPECT_EQ(history.count(), 0);
  EXPECT_EQ(table.historyWritePosition(), 0u);
  EXPECT_EQ(table.active(0).clientName, "ACCOUNTING-LAPTO");
  EXPECT_EQ(table.active(0).userName, std::string(32, 'u'));
  EXPECT_EQ(table.active(0).startTime.second, 0);
  EXPECT_EQ(table.findActive(clientOf20, user), 0u);

  table.countFileOpening(clientOf20, user);
  EXPECT_EQ(table.active(0).filesOpened, 1u);
  EXPECT_EQ(table.computerForUser(user), "ACCOUNTING-LAPTO");

  cycle({});
  EXPECT_EQ(table.computerForUser(user), "ACCOUNTING-LAPTO");
}

TEST_F(ConnectionTableTest, CyrillicNamesAreCutByCharacters) {
  const std::string client = "БУХГАЛТЕРИЯ-ГЛАВНАЯ";  // 19 characters
  std::string user;
  for (int i = 0; i < 40; ++i) user += "Ю";
  std::string system;
  for (int i = 0; i < 70; ++i) system += "Ы";

  table.trackConnection(client, user, system, 1);
  ASSERT_EQ(table.activeCount(), 1u);
  const ConnectionRecord& record = table.active(0);
  EXPECT_EQ(record.clientName, "БУХГАЛТЕРИЯ-ГЛАВ");
  EXPECT_EQ(record.userName.size(), 32u * 2u);
  EXPECT_EQ(record.clientSystem.size(), 64u * 2u);
  EXPECT_EQ(table.findActive(client, user), 0u);
}

}  // namespace
}  // namespace ov::monitor
