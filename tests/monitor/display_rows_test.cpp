#include "monitor/display_rows.h"

#include <gtest/gtest.h>

#include "tests/monitor/fake_locale.h"

namespace ov::monitor {
namespace {

TEST(DisplayRowsTest, SessionRowAtLevel502) {
  const SESSION_INFO_502 session{.sesi502_cname = "PC1",
                                 .sesi502_username = "ivan",
                                 .sesi502_num_opens = 3,
                                 .sesi502_time = 3725,
                                 .sesi502_idle_time = 59,
                                 .sesi502_cltype_name = "Windows 2000 2195",
                                 .sesi502_transport = "\\Device\\NetbiosSmb"};
  EXPECT_EQ(connsGridRow(session, "9:05:03"),
            (ConnsGridRow{"PC1", "ivan", "1:02:05", "0:00:59",
                          "Windows 2000 2195", "SMB", "3", "9:05:03"}));
}

TEST(DisplayRowsTest, SessionRowAtLevel10LeavesUnknownColumnsEmpty) {
  SESSION_INFO_10 session{.sesi10_cname = "192.168.0.7",
                          .sesi10_username = "olga",
                          .sesi10_time = 90061,
                          .sesi10_idle_time = 0};
  EXPECT_EQ(connsGridRow(session, "23:59:59"),
            (ConnsGridRow{"192.168.0.7", "olga", "25:01:01", "0:00:00", "", "",
                          "", "23:59:59"}));
  session.sesi10_username.reset();
  EXPECT_EQ(connsGridRow(session, "0:00:00")[1], "");
}

TEST(DisplayRowsTest, FileRowShowsPermissionsOrDir) {
  const FILE_INFO_3 file{.fi3_id = 1207,
                         .fi3_permissions = 3,
                         .fi3_num_locks = 2,
                         .fi3_pathname = "C:\\Общие\\отчёт.doc",
                         .fi3_username = "ivan"};
  EXPECT_EQ(filesGridRow(file, false),
            (FilesGridRow{"ivan", "1207", "R/W", "2", "C:\\Общие\\отчёт.doc"}));
  EXPECT_EQ(filesGridRow(file, true)[2], "DIR");
}

TEST(DisplayRowsTest, HeaderTexts) {
  EXPECT_EQ(kConnsGridHeaders[0], "Клиент");
  EXPECT_EQ(kConnsGridHeaders[6], "Залез в");
  EXPECT_EQ(kConnsGridHeaders[7], "Сейчас");
  EXPECT_EQ(kFilesGridHeaders[0], "Подключён");
  EXPECT_EQ(kFilesGridHeaders[4], "Файл/путь");
  EXPECT_EQ(kConnHistoryColumns[4], "Время начала соединения");
  EXPECT_EQ(kFilesHistoryColumns[2], "Время открытия");
}

TEST(DisplayRowsTest, HistoryItemOfARetiredConnection) {
  testing::FakeLocale locale;
  const ConnectionRecord record{.clientName = "PC1",
                                .userName = "ivan",
                                .clientSystem = "Windows 5.1",
                                .startTime = {.year = 2006,
                                              .month = 3,
                                              .day = 5,
                                              .hour = 9,
                                              .minute = 5,
                                              .second = 3},
                                .sessionSeconds = 3600};
  const ui::ListItem item = connHistoryItem(record, locale);
  EXPECT_EQ(item.caption, "PC1");
  EXPECT_EQ(item.subItems,
            (std::vector<std::string>{"ivan", "Windows 5.1", "1:00:00",
                                      "05.03.2006 9:05:03"}));
}

}  // namespace
}  // namespace ov::monitor
