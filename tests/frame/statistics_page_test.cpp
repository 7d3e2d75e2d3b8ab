// The page "Статистика": the server and workstation boxes, the traffic and
// run labels, when the page refreshes and what a failed call leaves.
#include <gtest/gtest.h>

#include <string>

#include "lan_form.h"

namespace ov::test {
namespace {

constexpr const char* kNbsp = "\u00A0";

// Seconds since 1970 at the scenario's start, 9:00 on 5 March 2026.
const int64_t kStart = UnixSecondsOf({2026, 3, 5, 9, 0, 0});

// The server has run 30:05:09 at one second into the run.
std::string serverStats() {
  return "0 stats server sts0_start=" + std::to_string(kStart + 1 - 108309) +
         " sts0_fopens=4294967295 sts0_sopens=12 sts0_avresponse=7"
         " sts0_bytessent_high=1 sts0_bytessent_low=2048"
         " sts0_bytesrcvd_low=10240\n";
}

const char* const kWorkstationStats =
    "0 stats workstation ReadOperations=3000000000 Sessions=5"
    " UseCount=9 BytesReceived=2048000 BytesTransmitted=-4096\n";

const char* const kServerBox =
    "Служба сервера работает: 30:05:09\r\n"
    "Файлов открыто: 4294967295\r\n"
    "Устройств открыто: 0\r\n"
    "Заданий принтера: 0\r\n"
    "Сессий установлено: 12\r\n"
    "Ошибок создания сессии: 0\r\n"
    "Ошибок доступа по паролю: 0\r\n"
    "Ошибок доступа по правам: 0\r\n"
    "Системных ошибок: 0\r\n"
    "Ср. время отклика сервера (мс): 7\r\n"
    "Кб. отправлено: 4194306\r\n"
    "Кб. принято: 10";

const char* const kWorkstationBox =
    "Не запущено операций: 0\r\n"
    "Операций чтения: 3000000000\r\n"
    "Операций записи: 0\r\n"
    "Сетевых ошибок: 0\r\n"
    "Сессий установлено: 5\r\n"
    "Сессий не установлено: 0\r\n"
    "Реконнектов: 0\r\n"
    "NT коннектов установлено: 0\r\n"
    "Дисконнектов: 0\r\n"
    "Всего соединений создано: 9\r\n"
    "Всего ошибок соединений: 0\r\n"
    "КБайт получено 2000\r\n"
    "КБайт послано -4";

TEST(StatisticsPage, EnteringThePageFillsBothBoxesAndTheLabels) {
  LanForm lan(serverStats() + kWorkstationStats +
                  "0 iface eth0 in=1263534080 rate_in=0\n"
                  "0 host PC1 10.0.0.11\n"
                  "0 connect PC1 ivan\n"
                  "1 ui page 4\n",
              {});
  TForm1& form = lan.form();
  EXPECT_EQ(form.statisticsPage().m_statws.text(),
            "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n0\r\n1\r\n2\r\n3");
  EXPECT_EQ(form.statisticsPage().l_ntin.caption(), "l_ntin");
  lan.runUntil(1.5);
  EXPECT_EQ(form.statisticsPage().m_statsv.text(), kServerBox);
  EXPECT_EQ(form.statisticsPage().m_statws.text(), kWorkstationBox);
  // 1,263,534,080 bytes are 1,233,920 KB.
  EXPECT_EQ(form.statisticsPage().l_ntin.caption(),
            std::string("1") + kNbsp + "233" + kNbsp + "920 (кб)");
  EXPECT_EQ(form.statisticsPage().l_ntout.caption(), "0 (кб)");
  EXPECT_EQ(form.statisticsPage().l_nconns.caption(), "0");
  EXPECT_EQ(form.statisticsPage().l_nfiles.caption(), "0");
}

TEST(StatisticsPage, AServerWithoutAStartTimeHasRunSinceTheScenarioStarted) {
  LanForm lan("3725 ui page 4\n", {});
  lan.runUntil(3725.5);
  const std::string box = lan.form().statisticsPage().m_statsv.text();
  EXPECT_EQ(box.substr(0, box.find("\r\n")),
            "Служба сервера работает: 1:02:05");
}

TEST(StatisticsPage, OnlyAutomaticRefreshFollowsTheCountersOnThePage) {
  // The window is shown: a hidden one skips the second's work.
  LanForm lan(serverStats() + kWorkstationStats +
                  "0.5 ui tray dblclick\n"
                  "0.5 ui check cb_statrefresh 0\n"
                  "1 ui page 4\n"
                  "2 stats workstation Sessions=6\n"
                  "5 ui check cb_statrefresh 1\n",
              {});
  lan.runUntil(4.5);
  // Automatic refresh off: the page shows what it showed when entered.
  EXPECT_NE(lan.form().statisticsPage().m_statws.text().find(
                "Сессий установлено: 5\r\n"),
            std::string::npos);
  lan.runUntil(6.5);
  EXPECT_NE(lan.form().statisticsPage().m_statws.text().find(
                "Сессий установлено: 6\r\n"),
            std::string::npos);
}

TEST(StatisticsPage, AFailedServerCallLeavesItsBoxAndTheWatchedServerStays) {
  LanForm lan(serverStats() + kWorkstationStats +
                  "0 ui text Edit1 FILESRV\n"
                  "0 ui key Edit1 enter\n"
                  "1 ui page 4\n"
                  "2 ui page 0\n"
                  "3 stats server sts0_fopens=1\n"
                  "3 stats workstation Sessions=7\n"
                  "3 fail NetStatisticsGet 53\n"
                  "4 ui page 4\n",
              {});
  lan.runUntil(4.5);
  TForm1& form = lan.form();
  EXPECT_EQ(form.statisticsPage().m_statsv.text(), kServerBox);
  EXPECT_NE(
      form.statisticsPage().m_statws.text().find("Сессий установлено: 7\r\n"),
      std::string::npos);
  // The statistics came from the local machine; the monitor still watches
  // the server that was entered.
  EXPECT_EQ(form.monitorParts().watchedServer.name(), "\\\\FILESRV");

  // The workstation call failing alone leaves its box; the server's shows.
  LanForm noWorkstation(serverStats() +
                            "0 fail NetStatisticsGet:LanmanWorkstation 50\n"
                            "1 ui page 4\n",
                        {});
  noWorkstation.runUntil(1.5);
  EXPECT_EQ(noWorkstation.form().statisticsPage().m_statsv.text(), kServerBox);
  EXPECT_EQ(noWorkstation.form().statisticsPage().m_statws.text().substr(0, 3),
            "1\r\n");

  // Both calls failing change neither box.
  LanForm failing(serverStats() + kWorkstationStats +
                      "1 fail NetStatisticsGet 5 count=always\n"
                      "2 ui page 4\n",
                  {});
  failing.runUntil(2.5);
  EXPECT_EQ(failing.form().statisticsPage().m_statsv.text(), "");
  EXPECT_EQ(failing.form().statisticsPage().m_statws.text().substr(0, 3),
            "1\r\n");
  EXPECT_EQ(failing.form().statisticsPage().l_ntout.caption(), "0 (кб)");
}

}  // namespace
}  // namespace ov::test
