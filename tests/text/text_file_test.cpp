#include "platform/text/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/full_disk.h"

namespace ov {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(testing::TempDir()) /
           testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string pathOf(std::string_view name) const {
    const std::u8string u8 = (dir_ / pathFromUtf8(name)).u8string();
    return std::string(u8.begin(), u8.end());
  }

  static std::string bytesOf(const std::string& utf8Path) {
    std::ifstream in(pathFromUtf8(utf8Path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in),
                       std::istreambuf_iterator<char>());
  }

  fs::path dir_;
};

TEST(LineEnds, ConvertedWithoutDoubling) {
  EXPECT_EQ(toCrLf("a\nb\r\nc\n"), "a\r\nb\r\r\nc\r\n");
  EXPECT_EQ(toCrLf("\n\n"), "\r\n\r\n");
  // A CR of the text's own is kept: it reads back.
  EXPECT_EQ(toLf(toCrLf("P\r\nQ\r")), "P\r\nQ\r");
  EXPECT_EQ(toCrLf("no end"), "no end");
  EXPECT_EQ(toLf("a\r\nb\nc\r\n"), "a\nb\nc\n");
  EXPECT_EQ(toLf("lone\rcr\r"), "lone\rcr\r");
}

TEST_F(TextFileTest, WritesCp1251WithCrLfAndReadsBack) {
  const std::string path = pathOf("users");
  ASSERT_TRUE(writeTextFile(path, "Привет\nмир\nPC7\n"));
  EXPECT_EQ(bytesOf(path),
            "\xCF\xF0\xE8\xE2\xE5\xF2\r\n\xEC\xE8\xF0\r\nPC7\r\n");
  EXPECT_EQ(readTextFile(path), "Привет\nмир\nPC7\n");

  ASSERT_TRUE(writeTextFile(path, "Ёж"));
  EXPECT_EQ(bytesOf(path), "\xA8\xE6");
}

TEST_F(TextFileTest, AFailedWriteLeavesTheOldFileWhole) {
  const std::string path = pathOf("OV.CFG");
  ASSERT_TRUE(writeTextFile(path, "[Log]\nUse=1\n"));
  const std::string old = bytesOf(path);
  // The disk takes 20 bytes more, not a kilobyte.
  EXPECT_FALSE(test::writesOnFullDisk(
      20, [&] { return writeTextFile(path, std::string(1000, 'x')); }));
  EXPECT_EQ(bytesOf(path), old);
  EXPECT_FALSE(fs::exists(pathFromUtf8(path + ".new")));
  // Where it fits, the new text replaces the old.
  EXPECT_TRUE(
      test::writesOnFullDisk(20, [&] { return writeTextFile(path, "a\n"); }));
  EXPECT_EQ(bytesOf(path), "a\r\n");
}

TEST_F(TextFileTest, ReadsLfOnlyFiles) {
  const std::string path = pathOf("rules");
  std::ofstream(pathFromUtf8(path), std::ios::binary) << "\xC4\xE0\nNo\r\n";
  EXPECT_EQ(readTextFile(path), "Да\nNo\n");
}

TEST_F(TextFileTest, AppendsAndCreates) {
  const std::string path = pathOf("netfiles.log");
  ASSERT_TRUE(appendTextFile(path, "первая\n"));
  ASSERT_TRUE(appendTextFile(path, "вторая\n"));
  EXPECT_EQ(bytesOf(path),
            "\xEF\xE5\xF0\xE2\xE0\xFF\r\n\xE2\xF2\xEE\xF0\xE0\xFF\r\n");
}

TEST_F(TextFileTest, CyrillicFileNames) {
  const std::string path = pathOf("журнал.log");
  ASSERT_TRUE(writeTextFile(path, "x\n"));
  EXPECT_TRUE(fs::exists(dir_ / fs::path(u8"журнал.log")));
  EXPECT_EQ(readTextFile(path), "x\n");
}

TEST_F(TextFileTest, MissingFilesAndFolders) {
  EXPECT_EQ(readTextFile(pathOf("absent")), std::nullopt);
  EXPECT_FALSE(writeTextFile(pathOf("no/such/folder/file"), "x"));
  EXPECT_FALSE(appendTextFile(pathOf("no/such/folder/file"), "x"));
}

}  // namespace
}  // namespace ov
