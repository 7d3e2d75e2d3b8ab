#include "app/ini_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace ov {
namespace {

namespace fs = std::filesystem;

class IniFileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(testing::TempDir()) /
           testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = (dir_ / "OV.CFG").string();
  }
  void TearDown() override { fs::remove_all(dir_); }

  void putBytes(const std::string& bytes) const {
    std::ofstream(path_, std::ios::binary) << bytes;
  }
  std::string bytes() const {
    std::ifstream in(path_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in),
                       std::istreambuf_iterator<char>());
  }
  std::string readString(std::string_view section, std::string_view key,
                         std::size_t capacity = 256) const {
    return GetPrivateProfileString(section, key, "<default>", capacity, path_);
  }
  int readInt(std::string_view section, std::string_view key) const {
    return GetPrivateProfileInt(section, key, -77, path_);
  }

  fs::path dir_;
  std::string path_;
};

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesDefaults) {
  EXPECT_EQ(GetPrivateProfileString("Log", "Files", "netfiles.log", 200, path_),
            "netfiles.log");
  EXPECT_EQ(GetPrivateProfileInt("Window", "Width", 580, path_), 580);
  EXPECT_FALSE(fs::exists(path_)) << "reading must not create the file";

  putBytes("[Log]\r\nUse=1\r\nFiles\r\n; Width=9\r\n[Window]\r\n");
  EXPECT_EQ(readInt("Kick", "AutoKick"), -77);
  EXPECT_EQ(readInt("Log", "OpenFiles"), -77);
  EXPECT_EQ(readString("Log", "Files"), "<default>");
  EXPECT_EQ(readInt("Window", "Width"), -77);
  EXPECT_EQ(readInt("Log", "Use"), 1);
}

TEST_F(IniFileTest, KeysOutsideTheirSectionAreNotFound) {
  putBytes("Use=5\r\n[Log]\r\nFiles=a.log\r\n[Kick]\r\nUse=3\r\n");
  EXPECT_EQ(readInt("Log", "Use"), -77);
  EXPECT_EQ(readInt("Kick", "Use"), 3);
}

TEST_F(IniFileTest, NamesMatchWithoutCase) {
  putBytes("[KICK]\r\nautokick=0\r\n");
  EXPECT_EQ(GetPrivateProfileInt("Kick", "AutoKick", 1, path_), 0);

  // "[Раздел]" / "Ключ=значение" in 1251.
  putBytes(
      "[\xD0\xE0\xE7\xE4\xE5\xEB]\r\n\xCA\xEB\xFE\xF7="
      "\xE7\xED\xE0\xF7\xE5\xED\xE8\xE5\r\n");
  EXPECT_EQ(readString("РАЗДЕЛ", "ключ"), "значение");
  EXPECT_EQ(readString("раздел", "КЛЮЧ"), "значение");
  EXPECT_EQ(readString("раздел", "ключи"), "<default>");

  putBytes("[Kick]\r\nAutoKick=0\r\n");
  ASSERT_TRUE(WritePrivateProfileString("KICK", "Autokick", "1", path_));
  EXPECT_EQ(bytes(), "[Kick]\r\nAutoKick=1\r\n");
}

TEST_F(IniFileTest, StringsAreCutToCapacityMinusOneCharacters) {
  putBytes("[Traffic]\r\nInterface=\xCF\xF0\xE8\xE2\xE5\xF2 \xEC\xE8\xF0\r\n");
  EXPECT_EQ(readString("Traffic", "Interface"), "Привет мир");
  EXPECT_EQ(readString("Traffic", "Interface", 11), "Привет мир");
  EXPECT_EQ(readString("Traffic", "Interface", 10), "Привет ми");
  EXPECT_EQ(readString("Traffic", "Interface", 7), "Привет");
  EXPECT_EQ(readString("Traffic", "Interface", 1), "");
  EXPECT_EQ(readString("Traffic", "Interface", 0), "");
  EXPECT_EQ(GetPrivateProfileString("Log", "Files", "netfiles.log", 4, path_),
            "net");
}

TEST_F(IniFileTest, IntegersAreTheNumberAtTheValueStart) {
  putBytes(
      "[N]\r\na=12abc\r\nb=abc\r\nc=\r\nd=-5\r\ne= 42 \r\nf=+7\r\n"
      "g=99999999999999\r\nh=-99999999999999\r\ni=1 000\r\nj=0x10\r\n");
  EXPECT_EQ(readInt("N", "a"), 12);
  EXPECT_EQ(readInt("N", "b"), 0);
  EXPECT_EQ(readInt("N", "c"), 0);
  // A sign is not a digit.
  EXPECT_EQ(readInt("N", "d"), 0);
  EXPECT_EQ(readInt("N", "e"), 42);
  EXPECT_EQ(readInt("N", "f"), 0);
  EXPECT_EQ(readInt("N", "g"), INT_MAX);
  EXPECT_EQ(readInt("N", "h"), 0);
  EXPECT_EQ(readInt("N", "i"), 1);
  EXPECT_EQ(readInt("N", "j"), 0);
  EXPECT_EQ(readInt("N", "z"), -77);
}

TEST_F(IniFileTest, BlanksAroundNamesAndValuesAreTrimmed) {
  putBytes("  [ Log ]  \r\n\tFiles =  c:\\logs\\a=b.log \t\r\n");
  EXPECT_EQ(readString("Log", "Files"), "c:\\logs\\a=b.log");

  ASSERT_TRUE(WritePrivateProfileString("Log", "Pattern", "x=y=z", path_));
  EXPECT_EQ(readString("Log", "Pattern"), "x=y=z");
  EXPECT_EQ(
      bytes(),
      "  [ Log ]  \r\n\tFiles =  c:\\logs\\a=b.log \t\r\nPattern=x=y=z\r\n");
}

TEST_F(IniFileTest, ReplacingAValueKeepsEveryOtherLine) {
  const std::string before =
      "; \xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8\r\n"  // "; Настройки"
      "[Log]\r\n"
      "Use=0\r\n"
      "  Files = a.log \r\n"
      "junk line without equals\r\n"
      "\r\n"
      "[Kick]\r\n"
      "AutoKick=1\r\n"
      "\x98\xFF\r\n";
  putBytes(before);
  ASSERT_TRUE(WritePrivateProfileString("log", "files", "b.log", path_));
  ASSERT_TRUE(WritePrivateProfileString("Kick", "AutoKick", "0", path_));

  std::string after = before;
  after.replace(after.find("  Files = a.log "), 16, "Files=b.log");
  after.replace(after.find("AutoKick=1"), 10, "AutoKick=0");
  EXPECT_EQ(bytes(), after);
}

TEST_F(IniFileTest, NewKeyGoesAfterTheLastKeyOfItsSection) {
  putBytes("[Log]\r\nUse=0\r\n; note\r\n\r\n[Kick]\r\nAutoKick=1\r\n");
  ASSERT_TRUE(WritePrivateProfileString("Log", "Files", "x.log", path_));
  EXPECT_EQ(bytes(),
            "[Log]\r\nUse=0\r\nFiles=x.log\r\n; note\r\n\r\n"
            "[Kick]\r\nAutoKick=1\r\n");

  putBytes("[Empty]\r\n\r\n\r\n[Kick]\r\nAutoKick=1\r\n\r\n");
  ASSERT_TRUE(WritePrivateProfileString("Empty", "A", "1", path_));
  ASSERT_TRUE(WritePrivateProfileString("Kick", "Pipes", "0", path_));
  EXPECT_EQ(
      bytes(),
      "[Empty]\r\nA=1\r\n\r\n\r\n[Kick]\r\nAutoKick=1\r\nPipes=0\r\n\r\n");
}

TEST_F(IniFileTest, NewSectionGoesAtTheEndOfTheFile) {
  putBytes("[Log]\r\nUse=0");
  ASSERT_TRUE(WritePrivateProfileString("Kick", "Autokick", "1", path_));
  EXPECT_EQ(bytes(), "[Log]\r\nUse=0\r\n[Kick]\r\nAutokick=1\r\n");

  putBytes("[Log]\nUse=0\n");
  ASSERT_TRUE(WritePrivateProfileString("Sound", "OnConnect", "1", path_));
  EXPECT_EQ(bytes(), "[Log]\r\nUse=0\r\n[Sound]\r\nOnConnect=1\r\n");
  EXPECT_EQ(readInt("log", "use"), 0);
}

TEST_F(IniFileTest, FirstWriteCreatesTheFile) {
  ASSERT_TRUE(WritePrivateProfileString("Window", "Width", "580", path_));
  ASSERT_TRUE(WritePrivateProfileString("Window", "Heigth", "360", path_));
  ASSERT_TRUE(WritePrivateProfileString("Timer", "Refresh", "1000", path_));
  EXPECT_EQ(
      bytes(),
      "[Window]\r\nWidth=580\r\nHeigth=360\r\n[Timer]\r\nRefresh=1000\r\n");
  EXPECT_EQ(readInt("window", "heigth"), 360);

  EXPECT_FALSE(WritePrivateProfileString("Window", "Width", "1",
                                         (dir_ / "no" / "OV.CFG").string()));
}

TEST_F(IniFileTest, CyrillicValuesAreStoredAs1251) {
  ASSERT_TRUE(WritePrivateProfileString("Traffic", "Interface", "Сетевая карта",
                                        path_));
  EXPECT_EQ(bytes(),
            "[Traffic]\r\nInterface=\xD1\xE5\xF2\xE5\xE2\xE0\xFF "
            "\xEA\xE0\xF0\xF2\xE0\r\n");
  EXPECT_EQ(readString("Traffic", "Interface"), "Сетевая карта");

  ASSERT_TRUE(WritePrivateProfileString("Traffic", "Interface", "日本", path_));
  EXPECT_EQ(readString("Traffic", "Interface"), "??");
}

TEST_F(IniFileTest, AValueStaysOnItsOwnLine) {
  ASSERT_TRUE(
      WritePrivateProfileString("Log", "Files", "a.log\r\n[Kick]", path_));
  EXPECT_EQ(bytes(), "[Log]\r\nFiles=a.log\r\n");
}

}  // namespace
}  // namespace ov
