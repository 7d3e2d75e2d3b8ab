// "Поиск в логе": lines of the file log found byte for byte, and narrowed
// by further texts.
#include "admin/log_search.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "lan_form.h"
#include "platform/text/cp1251.h"

namespace ov::test {
namespace {

const std::string kOverlongPath = "C:\\" + std::string(600, 'x') + "\\tail.doc";

// The file log as the program writes it: 1251 with CR LF, the last line
// ended too.
void writeLog(const std::filesystem::path& path) {
  std::ofstream(path, std::ios::binary) << utf8ToCp1251(
      "[ 9:00:00  05.03.26] [PC1] C:\\Docs\\план.doc\r\n"
      "[ 9:01:00  05.03.26] [PC2] C:\\docs\\plan.doc\r\n"
      "[ 9:02:00  05.03.26] [PC1] C:\\Docs\\отчёт.xls\r\n"
      "[ 9:03:00  05.03.26] [PC2] " +
      kOverlongPath + "\r\n");
}

// The dialog as N21 opens it, its buttons going to the form's tmpbClick;
// the results box after each click.
std::vector<std::string> searchInDialog(LanForm& lan,
                                        ui::Rect* resized = nullptr) {
  std::vector<std::string> results;
  TForm1& form = lan.form();
  admin::ShowLogSearch(
      lan.windows(), form.window(), form.toolDialogs().currentDialog,
      [&](ui::Button& button) {
        form.tmpbClick(button);
        results.push_back(form.toolDialogs().currentDialog.memo->text());
        if (!resized) return;
        form.toolDialogs().currentDialog.window->onResize(700, 400);
        *resized = form.toolDialogs().currentDialog.memo->bounds();
      });
  return results;
}

TEST(LogSearch, FindsLinesByteForByteAndNarrowsThemTwice) {
  LanForm lan(
      "1 ui dialog edit1 Docs\n"
      "1 ui dialog click FindBut\n"
      "1 ui dialog edit1 PC1\n"
      "1 ui dialog click FindInBut\n"
      "1 ui dialog edit1 отчёт\n"
      "1 ui dialog click FindInBut\n"
      "2 ui dialog edit1 DOCS\n"
      "2 ui dialog click FindBut\n"
      "3 ui dialog edit1 tail.doc\n"
      "3 ui dialog click FindBut\n"
      "4 ui dialog edit1 \"\"\n"
      "4 ui dialog click FindInBut\n"
      "4 ui dialog click FindBut\n");
  const auto log = lan.programDir() / "files.log";
  writeLog(log);
  lan.form().settingsPage().t_log.setText(log.string());
  lan.runUntil(0.5);
  const std::vector<std::string> results = searchInDialog(lan);
  ASSERT_EQ(results.size(), 7u);
  EXPECT_EQ(results[0],
            "[ 9:00:00  05.03.26] [PC1] C:\\Docs\\план.doc\r\n"
            "[ 9:02:00  05.03.26] [PC1] C:\\Docs\\отчёт.xls\r\n");
  EXPECT_EQ(results[1], results[0]);
  EXPECT_EQ(results[2], "[ 9:02:00  05.03.26] [PC1] C:\\Docs\\отчёт.xls\r\n");
  // Letter case counts.
  EXPECT_EQ(results[3], "");
  // A line of 600 characters and more is found by its end.
  EXPECT_EQ(results[4], "[ 9:03:00  05.03.26] [PC2] " + kOverlongPath + "\r\n");
  // An empty text keeps nothing and finds nothing.
  EXPECT_EQ(results[5], "");
  EXPECT_EQ(results[6], "");
}

TEST(LogSearch, AMissingLogFindsNothingAndTheLogOpensInTheShell) {
  LanForm lan(
      "1 ui dialog edit1 Docs\n"
      "1 ui dialog click FindBut\n"
      "2 ui click N25\n");
  lan.form().settingsPage().t_log.setText(
      (lan.programDir() / "none.log").string());
  lan.runUntil(0.5);
  ui::Rect resized;
  EXPECT_EQ(searchInDialog(lan, &resized), (std::vector<std::string>{""}));
  // The results box follows a resized dialog.
  EXPECT_EQ(resized.width, 680);
  EXPECT_EQ(resized.height, 360);
  lan.runUntil(2.5);
  ASSERT_EQ(lan.calls("ShellExecute").size(), 1u);
  EXPECT_NE(lan.calls("ShellExecute")[0].find("none.log"), std::string::npos);
}

TEST(LogSearch, SearchTextsLongerThanTheirBufferFindNothing) {
  const auto dir = std::filesystem::temp_directory_path();
  const auto log = dir / ("ov_log_search_" + std::to_string(getpid()));
  writeLog(log);
  EXPECT_EQ(admin::SearchLog(log.string(), std::string(255, 'x')).size(), 1u);
  EXPECT_TRUE(admin::SearchLog(log.string(), std::string(256, 'x')).empty());
  std::filesystem::remove(log);
}

}  // namespace
}  // namespace ov::test
