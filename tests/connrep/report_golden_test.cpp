// The whole report of small hand-written logs, byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "tests/connrep/report_of_log.h"

namespace connrep {
namespace {

using namespace std::string_literals;

std::string Bar(std::size_t length) { return std::string(length, '#'); }

TEST(ConnectionsReport, SmallLogGivesTheWholeReport) {
  // Two named computers and an empty name; PC2 opens a.doc on two days; a
  // damaged line, a date that does not exist and a line with a NUL are
  // skipped; a blank line is not counted. The names are Windows-1251.
  const std::string log =
      "[ 9:05:03  05.03.06] [PC1] C:\\Docs\\a.doc\r\n"
      "[ 9:06:10  05.03.06] [PC2] C:\\Docs\\a.doc\r\n"
      "[ 9:07:00  05.03.06] [PC2] C:\\Docs\\\xEE\xF2\xF7\xE5\xF2.xls\r\n"
      "\r\n"
      "[ 9:08:00  05.03.06 [PC1] C:\\Docs\\damaged.doc\r\n"
      "[10:00:00  30.02.06] [PC1] C:\\Docs\\never.doc\r\n"
      "[10:01:00  06.03.06] [PC1] C:\\Docs\\n\0ul.doc\r\n"s
      "[10:15:00  07.03.06] [] C:\\Docs\\b.txt\r\n"
      "[17:59:59  07.03.06] [PC2] C:\\Docs\\a.doc\n";

  const std::string expected = Cp1251(
      "Отчет о подключениях\n"
      "\n"
      "Журнал открытия файлов: netfiles.log\n"
      "Период: с 05.03.2006 по 07.03.2006\n"
      "Открытий файлов: 5\n"
      "Пропущено строк: 3\n"
      "\n"
      "По компьютерам\n"
      "  Открытий    Дней  Компьютер\n"
      "         3       2  PC2\n"
      "         1       1  (без имени)\n"
      "         1       1  PC1\n"
      "\n"
      "По пользователям\n"
      "Журнал открытия файлов не хранит имен пользователей.\n"
      "\n"
      "Самые открываемые файлы\n"
      "  Открытий  Файл\n"
      "         3  C:\\Docs\\a.doc\n"
      "         1  C:\\Docs\\b.txt\n"
      "         1  C:\\Docs\\отчет.xls\n"
      "\n"
      "Открытия по дням за последние 31 день журнала\n"
      "05.03.2006         3  " +
      Bar(50) +
      "\n"
      "06.03.2006         0\n"
      "07.03.2006         2  " +
      Bar(34) + "\n");
  EXPECT_EQ(ReportOfLog(log), expected);
}

TEST(ConnectionsReport, EmptyLogSaysSo) {
  EXPECT_EQ(ReportOfLog("garbage\r\n", "C:\\LOGS\\NETFIL~1.LOG"),
            Cp1251("Отчет о подключениях\n"
                   "\n"
                   "Журнал открытия файлов: C:\\LOGS\\NETFIL~1.LOG\n"
                   "Период: записей нет\n"
                   "Открытий файлов: 0\n"
                   "Пропущено строк: 1\n"
                   "\n"
                   "По компьютерам\n"
                   "  Открытий    Дней  Компьютер\n"
                   "\n"
                   "По пользователям\n"
                   "Журнал открытия файлов не хранит имен пользователей.\n"
                   "\n"
                   "Самые открываемые файлы\n"
                   "  Открытий  Файл\n"
                   "\n"
                   "Открытия по дням за последние 31 день журнала\n"));
}

}  // namespace
}  // namespace connrep
