#include "tests/app_config/config_fixture.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>

namespace ov {

ConfigTest::ConfigTest() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "ov_config_XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "no temp folder";
  dir_ = pattern;
}

ConfigTest::~ConfigTest() {
  run_.reset();
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

void ConfigTest::putConfig(std::string_view bytes) {
  std::ofstream(dir_ / "OV.CFG", std::ios::binary) << bytes;
}

std::string ConfigTest::configBytes() const {
  std::ifstream in(dir_ / "OV.CFG", std::ios::binary);
  if (!in) return "<missing>";
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

ProgramRun& ConfigTest::start() {
  run_.reset();
  run_ = std::make_unique<ProgramRun>(dir_.string() + "/");
  return *run_;
}

void ConfigTest::exitProgram() {
  run_->form.mnu_exitClick();
  EXPECT_TRUE(run_->form.window().closed());
}

std::string defaultDisplayKeys() {
  return "[Window]\r\nWidth=580\r\nHeigth=360\r\nHideOnClose=1\r\n"
         "[Timer]\r\nRefresh=1000\r\n"
         "[Display]\r\nBalloons=1\r\nCleanTable=1\r\n"
         "T1W0=95\r\nT1W1=89\r\nT1W2=55\r\nT1W3=55\r\n"
         "T1W4=74\r\nT1W5=53\r\nT1W6=43\r\nT1W7=64\r\n"
         // The path column fills what the window leaves it.
         "T2W0=70\r\nT2W1=70\r\nT2W2=70\r\nT2W3=70\r\nT2W4=120\r\n"
         "[Other]\r\nStatRefresh=1\r\n"
         "[Options]\r\nRules=0\r\n";
}

}  // namespace ov
