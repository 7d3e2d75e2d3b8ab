// What the two saves write, and what closing the window keeps.
#include <string>

#include "app/form1.h"
#include "tests/app_config/config_fixture.h"

namespace ov {
namespace {

TEST_F(ConfigTest, FullSaveWritesEveryKeyInItsOrder) {
  ProgramRun& run = start();
  TForm1& form = run.form;
  EXPECT_EQ(run.menuItem("mnu_savecfg").caption(), "Сохр. &конфигурацию");
  form.settingsPage().t_log.setText("журнал.log");
  form.settingsPage().cb_kickpipe.setChecked(true);
  form.settingsPage().n_denyf.setValue(25);
  form.settingsPage().cb_connsound.setChecked(true);
  form.window().setBounds({0, 0, 700, 480});

  run.menuItem("mnu_savecfg").click();
  EXPECT_EQ(configBytes(),
            "[Window]\r\nWidth=700\r\nHeigth=480\r\nHideOnClose=1\r\n"
            "[Timer]\r\nRefresh=1000\r\n"
            "[Display]\r\nBalloons=1\r\nCleanTable=1\r\n"
            "T1W0=95\r\nT1W1=89\r\nT1W2=55\r\nT1W3=55\r\n"
            "T1W4=74\r\nT1W5=53\r\nT1W6=43\r\nT1W7=64\r\n"
            // The window grew, and the path column with it.
            "T2W0=70\r\nT2W1=70\r\nT2W2=70\r\nT2W3=70\r\nT2W4=240\r\n"
            "[Other]\r\nStatRefresh=1\r\n"
            "[Options]\r\nRules=0\r\n"
            "[Kick]\r\nAutokick=1\r\nKickTime=10\r\nLogic=0\r\nPipes=1\r\n"
            "[Log]\r\nUse=0\r\nLocalCheck=0\r\nLogPipes=0\r\nDenyFiles=0\r\n"
            "OpenFiles=25\r\nFiles=\xE6\xF3\xF0\xED\xE0\xEB.log\r\n"
            "NullSession=1\r\n"
            "[HotKey]\r\nKey=122\r\nMod=1\r\nKickKey=123\r\nKickMod=1\r\n"
            "[Sound]\r\nOnConnect=1\r\n");

  // A second save changes values where they stand.
  form.settingsPage().logbox.setChecked(true);
  form.SaveAllSettings();
  const std::string bytes = configBytes();
  EXPECT_NE(bytes.find("[Log]\r\nUse=1\r\nLocalCheck=0\r\n"),
            std::string::npos);
  EXPECT_EQ(bytes.find("Use=0"), std::string::npos);
}

TEST_F(ConfigTest, ClosingSavesTheDisplayButNotTheKickSettings) {
  const std::string before =
      "[Kick]\r\nAutokick=1\r\nKickTime=10\r\nLogic=0\r\nPipes=0\r\n"
      "[Log]\r\nUse=1\r\n";
  putConfig(before + defaultDisplayKeys());
  TForm1& form = start().form;
  form.settingsPage().mochilkabox.setChecked(false);
  form.settingsPage().kicktime.setValue(30);
  form.settingsPage().cb_kickpipe.setChecked(true);
  form.settingsPage().logbox.setChecked(false);
  form.window().setBounds({10, 10, 720, 500});
  form.connectionsPage().st_conns.setColWidth(2, 33);
  form.connectionsPage().st_files.setColWidth(0, 140);
  form.settingsPage().tobnovl.setValue(1500);
  form.settingsPage().Close_minim.setChecked(false);

  exitProgram();
  std::string expected = defaultDisplayKeys();
  expected.replace(expected.find("Width=580"), 9, "Width=720");
  expected.replace(expected.find("Heigth=360"), 10, "Heigth=500");
  expected.replace(expected.find("HideOnClose=1"), 13, "HideOnClose=0");
  expected.replace(expected.find("Refresh=1000"), 12, "Refresh=1500");
  expected.replace(expected.find("T1W2=55"), 7, "T1W2=33");
  expected.replace(expected.find("T2W0=70"), 7, "T2W0=140");
  // The wider window gave the path column 140 pixels more.
  expected.replace(expected.find("T2W4=120"), 8, "T2W4=260");
  EXPECT_EQ(configBytes(), before + expected);

  // The next start sees the saved display and the old kick settings.
  TForm1& again = start().form;
  EXPECT_EQ(again.window().bounds().width, 720);
  EXPECT_EQ(again.connectionsPage().st_conns.colWidth(2), 33);
  EXPECT_TRUE(again.settingsPage().mochilkabox.checked());
  EXPECT_EQ(again.keptSettings().KickTime, 10);
  EXPECT_TRUE(again.keptSettings().LogEnabled);
}

}  // namespace
}  // namespace ov
