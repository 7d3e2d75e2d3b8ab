// What the network may send: names of ten thousand characters, control
// characters, more sessions than the table has
// slots, thousands of open files, a server that answers "more data"
// forever. Nothing is written past a limit, nothing hangs, and the program
// goes on serving the clients that come after.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "lan_form.h"
#include "platform/text/utf8.h"

namespace ov::test {
namespace {

namespace fs = std::filesystem;

// The file log on, beside the program; the open-file limit off.
LanFormOptions withFileLog() {
  LanFormOptions options;
  options.beforeStart = [](const fs::path& dir, sim::World&) {
    std::ofstream(dir / "OV.CFG", std::ios::binary)
        << "[Log]\r\nUse=1\r\nDenyFiles=0\r\nFiles="
        << (dir / "files.log").string() << "\r\n";
  };
  return options;
}

std::vector<std::string> logLines(const LanForm& lan) {
  std::ifstream in(lan.programDir() / "files.log", std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The length of the longest of the journal's argument lists.
std::size_t longestArgument(const std::vector<std::string>& calls) {
  std::size_t longest = 0;
  for (const std::string& call : calls)
    longest = std::max(longest, call.size());
  return longest;
}

TEST(HostileInput, HugeAndStrangeNamesStayWithinTheirLimits) {
  const std::string huge(10'000, 'N');
  // Bytes that are no UTF-8 cannot come from the port: it converts the
  // system's UTF-16 (lone surrogates too) into valid text.
  const std::string strange = "PC\x01\x02\x1b\x7f";
  LanForm lan("0 connect " + huge + " " + huge +
                  "\n"
                  "0 open 1 " +
                  huge + " " + huge + " \"C:\\" + huge +
                  "\"\n"
                  "0 connect \"" +
                  strange + "\" \"\x01user\"\n" + "0 open 2 \"" + strange +
                  "\" \"\x01user\" \"C:\\a\x01\x1b.doc\"\n"
                  "0.5 ui tray dblclick\n"
                  "5 connect PC9 ivan\n"
                  "5 open 3 PC9 ivan C:\\after.doc\n",
              withFileLog());
  lan.runUntil(7);
  // The tray's tip and the balloons keep to their buffers.
  for (const std::string& tip : lan.calls("TrayIcon"))
    EXPECT_LE(utf8Length(tip), 128u + 40u) << tip.substr(0, 80);
  for (const std::string& balloon : lan.calls("Balloon"))
    EXPECT_LE(utf8Length(balloon), 63u + 255u + 40u);
  EXPECT_LE(longestArgument(lan.calls("TrayIcon")), 1000u);
  // Every grid cell is valid text, the huge ones too.
  const ui::StringGrid& conns = lan.form().connectionsPage().st_conns;
  for (int row = 1; row < conns.rowCount(); ++row)
    for (const std::string& cell : gridRow(conns, row))
      EXPECT_EQ(utf8Cut(cell, cell.size()), cell);
  // The client who came after is served as any other: listed, logged once.
  bool listed = false;
  for (int row = 1; row < conns.rowCount(); ++row)
    listed = listed || gridRow(conns, row)[0] == "PC9";
  EXPECT_TRUE(listed);
  const std::vector<std::string> lines = logLines(lan);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[2].find("[PC9] C:\\after.doc"), std::string::npos)
      << lines[2];
}

TEST(HostileInput, MoreSessionsThanSlotsAndThousandsOfOpenFiles) {
  std::string scenario;
  for (int n = 0; n < 200; ++n)
    scenario += "0 connect PC" + std::to_string(n) + " user\n";
  for (int n = 0; n < 5'000; ++n)
    scenario += "0 open " + std::to_string(n + 1) + " PC" +
                std::to_string(n % 200) + " user C:\\Docs\\f" +
                std::to_string(n) + ".doc\n";
  scenario += "0.5 ui tray dblclick\n";
  LanForm lan(scenario, withFileLog());
  lan.runUntil(3);
  EXPECT_LE(lan.form().monitorParts().connections.activeCount(), 50u);
  // A header, a row each, and an empty row after them.
  EXPECT_EQ(lan.form().connectionsPage().st_conns.rowCount(), 202);
  EXPECT_EQ(lan.form().connectionsPage().st_files.rowCount(), 5'002);
  // Each opening is logged once, however many cycles see it open.
  EXPECT_EQ(logLines(lan).size(), 5'000u);
}

TEST(HostileInput, AServerAnsweringMoreDataForeverIsLeft) {
  LanForm lan(
      "0 connect PC1 ivan\n"
      "0 open 1 PC1 ivan C:\\a.doc\n"
      "0.5 ui tray dblclick\n"
      "2 fail NetSessionEnum 234 count=always\n"
      "2 fail NetShareEnum 234 count=always\n"
      "2 ui click refreshshares\n"
      "3 fail NetFileEnum 234 count=3\n"
      "5 open 2 PC1 ivan C:\\b.doc\n",
      withFileLog());
  // The test's time limit catches a hang.
  lan.runUntil(8);
  // The sessions are not listed, but the open files are, and logged.
  EXPECT_EQ(gridRow(lan.form().connectionsPage().st_files, 2)[4], "C:\\b.doc");
  EXPECT_EQ(logLines(lan).size(), 2u);
}

}  // namespace
}  // namespace ov::test
