// The settings files are never lost to a full disk: "OV.CFG", the name
// lists, the rules and the share choices keep their old contents when
// their new contents do not fit.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "admin/share_list.h"
#include "app/ini_file.h"
#include "app/name_list_file.h"
#include "monitor/rules_file.h"
#include "platform/headless/controls.h"
#include "tests/support/full_disk.h"
#include "tests/support/inert_lan.h"

namespace ov {
namespace {

namespace fs = std::filesystem;

class FilesSurviveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("ov_files_survive_" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // The file with old contents; the path.
  std::string withOldContents(const std::string& name) {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << "old\r\n";
    return path;
  }
  static std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  fs::path dir_;
};

constexpr rlim_t kRoomLeft = 8;
const std::string kLong(200, 'x');

TEST_F(FilesSurviveTest, EachSettingsFileKeepsItsOldContents) {
  const std::string config = withOldContents("OV.CFG");
  EXPECT_FALSE(test::writesOnFullDisk(kRoomLeft, [&] {
    return WritePrivateProfileString("Log", "Files", kLong, config);
  }));
  EXPECT_EQ(bytesOf(config), "old\r\n");

  for (const char* name : {"users", "usrnames"}) {
    const std::string list = withOldContents(name);
    headless::ListBox names(ui::ControlArgs{});
    names.addItem(kLong);
    EXPECT_FALSE(test::writesOnFullDisk(
        kRoomLeft, [&] { return SaveListBox(names, list) == 0; }));
    EXPECT_EQ(bytesOf(list), "old\r\n") << name;
  }

  const std::string rules = withOldContents("rules");
  monitor::Rule rule;
  rule.address = "*";
  rule.actionParam = kLong;
  EXPECT_FALSE(test::writesOnFullDisk(
      kRoomLeft, [&] { return monitor::writeRulesFile(rules, {rule}); }));
  EXPECT_EQ(bytesOf(rules), "old\r\n");

  const std::string shares = withOldContents("shares");
  InertFileSystem files;
  ui::ListViewArgs args;
  args.checkBoxes = true;
  headless::ListView list(args);
  ui::ListItem share;
  share.caption = kLong;
  list.addItem(share);
  EXPECT_FALSE(test::writesOnFullDisk(
      kRoomLeft, [&] { return admin::SaveShareChoices(list, files, shares); }));
  EXPECT_EQ(bytesOf(shares), "old\r\n");

  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 5)
      << "a half-written file was left beside them";
}

}  // namespace
}  // namespace ov
