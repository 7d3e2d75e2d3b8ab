// The page "Ресурсы": the shares list and its marks from the "shares" file,
// the file log leaving out unticked shares, the share editor and the
// list's menu.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "admin/share_list.h"
#include "lan_form.h"
#include "platform/headless/controls.h"
#include "platform/text/cp1251.h"
#include "tests/support/inert_lan.h"

namespace ov::test {
namespace {

namespace fs = std::filesystem;
using Row = std::vector<std::string>;
using Calls = std::vector<std::string>;

// The "shares" file lives in the working folder: each test works in its
// program's folder and goes back afterwards.
class WorkingFolderKept {
 public:
  WorkingFolderKept() : previous_(fs::current_path()) {}
  ~WorkingFolderKept() { fs::current_path(previous_); }

 private:
  fs::path previous_;
};

// The list is first filled as the program starts, before the scenario's
// shares exist: each scenario refreshes it once they do.

// sharesFile: the file's text as UTF-8 with "\n"; none: no file.
LanFormOptions inProgramFolder(std::optional<std::string> sharesFile) {
  LanFormOptions options;
  options.beforeStart = [sharesFile](const fs::path& dir, sim::World&) {
    fs::current_path(dir);
    if (!sharesFile) return;
    std::string bytes;
    for (char c : utf8ToCp1251(*sharesFile))
      bytes += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::ofstream(dir / "shares", std::ios::binary) << bytes;
  };
  return options;
}

std::string fileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<Row> rows(const ui::ListView& list) {
  std::vector<Row> all;
  for (int i = 0; i < list.count(); ++i) all.push_back(listViewRow(list, i));
  return all;
}

std::vector<bool> marks(const ui::ListView& list) {
  std::vector<bool> all;
  for (int i = 0; i < list.count(); ++i) all.push_back(list.item(i).checked);
  return all;
}

constexpr const char* kShares = R"(
0 share ZETA D:\Zeta max=5
0 share общие C:\Common remark=Общие
0 share Beta D:\Public
0 share C$ C:\ type=0x80000000
0 share ADMIN$ C:\Windows type=0x80000000
0 share IPC$ "" type=3
0 share LASER LPT1: type=1
0 ui click refreshshares
)";

TEST(SharesPage, ListsThePlainDiskSharesInNameOrder) {
  WorkingFolderKept kept;
  LanForm lan(kShares, inProgramFolder(std::nullopt));
  lan.runUntil(0.5);
  const ui::ListView& list = lan.form().resourcesPage().lv_shares;
  EXPECT_EQ(rows(list),
            (std::vector<Row>{
                {"Beta", "D:\\Public", "неограничено", "---", "--", "-"},
                {"ZETA", "D:\\Zeta", "5", "---", "--", "-"},
                {"общие", "C:\\Common", "неограничено", "---", "--", "-"}}));
  // Without a "shares" file every local share is logged.
  EXPECT_EQ(marks(list), (std::vector<bool>{true, true, true}));
  EXPECT_TRUE(lan.form().monitorParts().UnloggedPaths.empty());
}

TEST(SharesPage, TheSharesFileUnticksNamesInAnyLetterCase) {
  WorkingFolderKept kept;
  LanForm lan(std::string(kShares) + "1 ui click refreshshares\n",
              inProgramFolder("beta\nОБЩИЕ\nbeta\nNOSUCH\n"));
  lan.runUntil(1.5);
  const ui::ListView& list = lan.form().resourcesPage().lv_shares;
  EXPECT_EQ(marks(list), (std::vector<bool>{false, true, false}));
  // A name on two lines gives its path twice.
  EXPECT_EQ(
      lan.form().monitorParts().UnloggedPaths,
      (std::vector<std::string>{"D:\\Public", "C:\\Common", "D:\\Public"}));
}

// A server that lists two shares whose names differ in letter case only,
// which no real server does, and one whose path is longer than a slot.
class CaseTwinServer : public InertNetApi {
 public:
  ShareBatch NetShareEnum(std::string_view, uint32_t, uint32_t,
                          uint32_t&) override {
    ShareBatch batch;
    for (const auto& [name, path] :
         {std::pair<std::string, std::string>{"a", "C:\\One"},
          {"A", "C:\\Two"},
          {"LONG", "C:\\" + std::string(510, 'x')}}) {
      SHARE_INFO_502& share = batch.info502.emplace_back();
      share.shi502_netname = name;
      share.shi502_path = path;
    }
    return batch;
  }
};

TEST(SharesPage, TheUnloggedListKeepsWithinItsSlots) {
  // Both twins on every one of the 254 lines read: 508 paths would be due.
  std::string sharesFile;
  for (int line = 0; line < 300; ++line) sharesFile += "a\r\n";
  const fs::path file =
      fs::temp_directory_path() / ("ov_shares_" + std::to_string(getpid()));
  std::ofstream(file, std::ios::binary) << "LONG\r\n" << sharesFile;
  CaseTwinServer server;
  ui::ListViewArgs args;
  args.checkBoxes = true;
  headless::ListView list(args);
  std::vector<std::string> paths;
  InertFileSystem files;
  admin::RefreshShareList({server, "", 502, file.string(), files}, list, paths);
  fs::remove(file);

  EXPECT_EQ(marks(list), (std::vector<bool>{false, false, false}));
  // A path longer than a slot is never cut: its files stay logged.
  ASSERT_EQ(paths.size(), 255u);
  EXPECT_EQ(paths[0], "C:\\One");
  EXPECT_EQ(paths[1], "C:\\Two");
  EXPECT_EQ(paths[254], "C:\\One");
}

TEST(SharesPage, AnEmptySharesFileLeavesEveryShareTicked) {
  WorkingFolderKept kept;
  LanForm lan(kShares, inProgramFolder(""));
  lan.runUntil(0.5);
  EXPECT_EQ(marks(lan.form().resourcesPage().lv_shares),
            (std::vector<bool>{true, true, true}));
  EXPECT_TRUE(lan.form().monitorParts().UnloggedPaths.empty());
}

TEST(SharesPage, ApplyWritesTheUntickedNamesAndTheNextRefreshTakesThem) {
  WorkingFolderKept kept;
  LanForm lan(std::string(kShares) +
                  "2 ui click saveres\n"
                  "3 ui click refreshshares\n",
              inProgramFolder(std::nullopt));
  lan.runUntil(1);
  ui::ListView& list = lan.form().resourcesPage().lv_shares;
  list.setChecked(0, false);
  list.setChecked(2, false);
  // Marks live in the list only until "Применить" writes them.
  lan.runUntil(2.5);
  EXPECT_EQ(fileText(lan.programDir() / "shares"),
            utf8ToCp1251("Beta\r\nобщие\r\n"));
  EXPECT_TRUE(lan.form().monitorParts().UnloggedPaths.empty());
  lan.runUntil(3.5);
  EXPECT_EQ(marks(list), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(lan.form().monitorParts().UnloggedPaths,
            (std::vector<std::string>{"D:\\Public", "C:\\Common"}));
}

TEST(SharesPage, ASharesFileThatCannotBeReadOrMadeChangesNothing) {
  WorkingFolderKept kept;
  LanFormOptions options = inProgramFolder(std::nullopt);
  // A folder where the file should be: it can be neither read nor made.
  options.beforeStart = [inner = options.beforeStart](const fs::path& dir,
                                                      sim::World& world) {
    inner(dir, world);
    fs::create_directory(dir / "shares");
  };
  LanForm lan(std::string(kShares) +
                  "2 ui check lv_shares 0 0\n"
                  "2 ui click saveres\n"
                  "3 ui click refreshshares\n",
              options);
  lan.runUntil(1);
  EXPECT_EQ(marks(lan.form().resourcesPage().lv_shares),
            (std::vector<bool>{true, true, true}));
  lan.runUntil(3.5);
  EXPECT_TRUE(fs::is_directory(lan.programDir() / "shares"));
  EXPECT_EQ(marks(lan.form().resourcesPage().lv_shares),
            (std::vector<bool>{true, true, true}));
  EXPECT_TRUE(lan.form().monitorParts().UnloggedPaths.empty());
  EXPECT_TRUE(lan.calls("MessageBox").empty());
}

TEST(SharesPage, ARemoteServerShowsItsSharesUntickedWithoutPaths) {
  WorkingFolderKept kept;
  LanForm lan(
      "0 share DOCS C:\\Docs on=srv1\n"
      "0 share PRN LPT1: type=1 on=srv1\n"
      "0 share LOCAL C:\\Local\n"
      "1 ui text Edit1 srv1\n"
      "1 ui key Edit1 enter\n"
      "2 ui click saveres\n"
      "3 ui select lv_shares 0\n"
      "3 ui click N51\n",
      inProgramFolder(std::nullopt));
  lan.runUntil(1.5);
  const ui::ListView& list = lan.form().resourcesPage().lv_shares;
  EXPECT_EQ(rows(list), (std::vector<Row>{{"DOCS", "---", "--", "-"}}));
  EXPECT_EQ(marks(list), (std::vector<bool>{false}));
  // "Применить" then names every listed share.
  lan.runUntil(2.5);
  EXPECT_EQ(fileText(lan.programDir() / "shares"), "DOCS\r\n");
  // A row without a path opens no folder.
  lan.runUntil(3.5);
  EXPECT_TRUE(lan.calls("ShellExecute").empty());
}

TEST(SharesPage, EveryKeyInTheServerBoxRefreshesTheList) {
  WorkingFolderKept kept;
  LanForm lan(
      "0 share DOCS C:\\Docs\n"
      "0 ui click refreshshares\n"
      "1 unshare DOCS\n"
      "2 ui key Edit1 x\n",
      inProgramFolder(std::nullopt));
  lan.runUntil(1.5);
  EXPECT_EQ(lan.form().resourcesPage().lv_shares.count(), 1);
  lan.runUntil(2.5);
  EXPECT_EQ(lan.form().resourcesPage().lv_shares.count(), 0);
}

TEST(SharesPage, TheFileLogLeavesOutFilesOfUntickedShares) {
  WorkingFolderKept kept;
  LanForm lan(
      "0 share DOCS C:\\Docs\n"
      "0 share MUSIC D:\\Music\n"
      "0 ui check logbox 1\n"
      "0 connect PC1 ivan\n"
      "0 open 1 PC1 ivan C:\\Docs\\a.doc\n"
      "0 open 2 PC1 ivan D:\\Music\\b.mp3\n"
      "0 ui click refreshshares\n",
      inProgramFolder("music\n"));
  lan.runUntil(2);
  const std::string log = fileText(lan.programDir() / "netfiles.log");
  EXPECT_NE(log.find("C:\\Docs\\a.doc"), std::string::npos) << log;
  EXPECT_EQ(log.find("b.mp3"), std::string::npos) << log;
  // Nor is it listed in the file history.
  std::string history;
  for (const Row& row : rows(lan.form().historyPage().lv_fileshist))
    for (const std::string& cell : row) history += cell + "|";
  EXPECT_NE(history.find("a.doc"), std::string::npos) << history;
  EXPECT_EQ(history.find("b.mp3"), std::string::npos) << history;
}

TEST(SharesPage, TheEditorAddsToTheLocalMachineWhateverIsWatched) {
  WorkingFolderKept kept;
  LanForm lan(
      "0 share DOCS C:\\Docs on=srv1\n"
      "0 ui text Edit1 srv1\n"
      "0 ui key Edit1 enter\n"
      "0 ui select lv_shares 0\n"
      "1 ui click addres\n"
      "1 ui dialog edit1 NEW\n"
      "1 ui dialog edit2 \"Новый ресурс\"\n"
      "1 ui dialog path C:\\New\n"
      "1 ui dialog spin 7\n"
      "1 ui dialog click Добавить\n"
      "2 ui click N28\n"
      "2 ui dialog edit1 RO\n"
      "2 ui dialog path C:\\Ro\n"
      "2 ui dialog combo \"Только чтение\"\n"
      "2 ui dialog click Добавить\n",
      inProgramFolder(std::nullopt));
  lan.runUntil(3);
  EXPECT_EQ(lan.calls("NetShareAdd"),
            (Calls{R"(["", "NEW", "C:\\New", 7, "Новый ресурс", "0x801FFFFF", )"
                   R"j("D:(A;;0x801FFFFF;;;WD)"])j",
                   R"(["", "RO", "C:\\Ro", 10, "", "0x8002FFFF", )"
                   R"j("D:(A;;0x8002FFFF;;;WD)"])j"}));
  EXPECT_TRUE(lan.calls("MessageBox").empty());
}

TEST(SharesPage, TheEditorRefusesTooLongTextsAndShowsParameterErrors) {
  WorkingFolderKept kept;
  const std::string longName(256, 'N');
  LanForm lan(
      "1 ui click addres\n"
      "1 ui dialog edit1 " +
          longName +
          "\n"
          "1 ui dialog path C:\\New\n"
          "1 ui dialog click Добавить\n"
          "2 fail NetShareAdd 87\n"
          "2 ui click addres\n"
          "2 ui dialog edit1 NEW\n"
          "2 ui dialog path C:\\New\n"
          "2 ui dialog click Добавить\n"
          "3 fail NetShareAdd 2118\n"
          "3 ui click addres\n"
          "3 ui dialog edit1 NEW\n"
          "3 ui dialog path C:\\New\n"
          "3 ui dialog click Добавить\n",
      inProgramFolder(std::nullopt));
  lan.runUntil(4);
  const std::string box = R"(["Ресурс не добавлен", "Ошибка в параметрах", 0])";
  // The long name never reached the server; the parameter error showed the
  // same box; another failure shows nothing.
  EXPECT_EQ(lan.calls("MessageBox"), (Calls{box, box}));
  EXPECT_EQ(lan.calls("NetShareAdd").size(), 2u);
}

TEST(SharesPage, TheEditorChangesRemarkAndLimitOfTheSelectedShare) {
  WorkingFolderKept kept;
  LanForm lan(
      "0 share DOCS C:\\Docs remark=Документы\n"
      "0 share FREE D:\\Free max=3\n"
      "0 ui click refreshshares\n"
      "1 ui click editres\n"
      "2 ui select lv_shares 0\n"
      "2 ui click editres\n"
      "2 ui dialog edit2 Архив\n"
      "2 ui dialog click editr\n"
      "3 ui select lv_shares 1\n"
      "3 ui click N29\n"
      "3 ui dialog spin 12\n"
      "3 ui dialog click editr\n",
      inProgramFolder(std::nullopt));
  struct Seen {
    bool nameEnabled, pathEnabled, comboEnabled;
    std::string path, combo;
  };
  std::vector<Seen> seen;
  TForm1& form = lan.form();
  const auto modify = form.toolDialogs().dialogBranches.modifyShare;
  form.toolDialogs().dialogBranches.modifyShare = [&] {
    const admin::CurrentDialog& editor = form.toolDialogs().currentDialog;
    seen.push_back({editor.edit1->enabled(), editor.path->enabled(),
                    editor.combo->enabled(), editor.path->text(),
                    editor.combo->text()});
    modify();
  };
  // Without a selected row nothing opens.
  lan.runUntil(1.5);
  EXPECT_TRUE(lan.calls("NetShareSetInfo").empty());
  lan.runUntil(4);
  // No limit is -1 in the spin box and goes back as -1.
  EXPECT_EQ(lan.calls("NetShareSetInfo"),
            (Calls{R"(["", "DOCS", "Архив", -1])", R"(["", "FREE", "", 12])"}));
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_FALSE(seen[0].nameEnabled);
  EXPECT_FALSE(seen[0].pathEnabled);
  EXPECT_FALSE(seen[0].comboEnabled);
  EXPECT_EQ(seen[0].path, "C:\\Docs");
  EXPECT_EQ(seen[0].combo, "");
  EXPECT_EQ(form.resourcesPage().lv_shares.item(0).subItems[1], "неограничено");
}

TEST(SharesPage, DeleteOpenFolderMapDriveAndBrowse) {
  WorkingFolderKept kept;
  LanForm lan(
      "0 share PUB D:\\Public\n"
      "0 share ROOT D:\\\n"
      "0 ui click refreshshares\n"
      "1 ui select lv_shares 0\n"
      "1 ui click N51\n"
      "1 ui select lv_shares 1\n"
      "1 ui click N51\n"
      "2 ui click N15\n"
      "3 ui click N16\n"
      "4 ui click addres\n"
      "4 ui dialog path C:\\Start\n"
      "4 ui answer D:\\Chosen\n"
      "4 ui dialog click ...\n"
      "4 ui dialog click ...\n"
      "4 ui dialog edit1 NEW\n"
      "4 ui dialog click Добавить\n",
      inProgramFolder(std::nullopt));
  lan.runUntil(1.5);
  EXPECT_EQ(lan.calls("ShellExecute"),
            (Calls{R"(["explore", "D:\\"])", R"(["explore", "D:\\"])"}));
  lan.runUntil(2.5);
  EXPECT_EQ(lan.calls("WNetConnectionDialog"), (Calls{"[1]"}));
  // The selected row ROOT goes, without a question.
  lan.runUntil(3.5);
  EXPECT_EQ(lan.calls("NetShareDel"), (Calls{R"(["", "ROOT"])"}));
  EXPECT_EQ(rows(lan.form().resourcesPage().lv_shares),
            (std::vector<Row>{
                {"PUB", "D:\\Public", "неограничено", "---", "--", "-"}}));
  // The chosen folder replaces the path; a cancelled browse keeps it.
  lan.runUntil(5);
  EXPECT_EQ(lan.calls("BrowseForFolder"),
            (Calls{R"(["Выберите каталог", "C:\\Start"])",
                   R"(["Выберите каталог", "D:\\Chosen"])"}));
  ASSERT_EQ(lan.calls("NetShareAdd").size(), 1u);
  EXPECT_NE(lan.calls("NetShareAdd")[0].find(R"("D:\\Chosen")"),
            std::string::npos);
}

}  // namespace
}  // namespace ov::test
