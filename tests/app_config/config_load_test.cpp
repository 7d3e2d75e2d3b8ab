// Starting with a given "OV.CFG": what the controls and variables show.
#include <string>

#include "app/form1.h"
#include "tests/app_config/config_fixture.h"

namespace ov {
namespace {

constexpr uint16_t kAlt = 0x8000;
constexpr uint16_t kCtrl = 0x4000;

TEST_F(ConfigTest, MissingFileGivesTheDefaultsAndTheFirstCloseCreatesIt) {
  TForm1& form = start().form;
  EXPECT_EQ(form.settingsPage().t_log.text(), "netfiles.log");
  EXPECT_FALSE(form.settingsPage().logbox.checked());
  EXPECT_FALSE(form.keptSettings().LogEnabled);
  EXPECT_FALSE(form.settingsPage().cb_logsys.checked());
  EXPECT_FALSE(form.settingsPage().cb_ignorelocal.checked());
  EXPECT_FALSE(form.settingsPage().cb_denyf.checked());
  EXPECT_EQ(form.settingsPage().n_denyf.value(), 0);
  EXPECT_TRUE(form.settingsPage().cb_lognullconn.checked());
  EXPECT_TRUE(form.settingsPage().mochilkabox.checked());
  EXPECT_EQ(form.keptSettings().AutoKick, 1);
  EXPECT_EQ(form.settingsPage().kicktime.value(), 10);
  EXPECT_EQ(form.keptSettings().KickTime, 10);
  EXPECT_FALSE(form.securityPage().sec_logic.checked());
  EXPECT_FALSE(form.settingsPage().cb_kickpipe.checked());
  EXPECT_EQ(form.window().bounds().width, 580);
  EXPECT_EQ(form.window().bounds().height, 360);
  EXPECT_TRUE(form.settingsPage().Close_minim.checked());
  EXPECT_EQ(form.settingsPage().hk1.value(), kAlt | 122);
  EXPECT_EQ(form.settingsPage().hk2.value(), kAlt | 123);
  EXPECT_TRUE(form.settingsPage().cb_conninfo.checked());
  EXPECT_TRUE(form.settingsPage().cb_cleantable.checked());
  EXPECT_FALSE(form.settingsPage().cb_connsound.checked());
  EXPECT_FALSE(form.securityPage().cb_rules.checked());
  EXPECT_EQ(form.connectionsPage().st_conns.colWidth(0), 95);
  EXPECT_EQ(form.connectionsPage().st_conns.colWidth(7), 64);
  // The path column fills the grid at the window's size.
  EXPECT_EQ(form.connectionsPage().st_files.colWidth(4), 120);
  EXPECT_TRUE(form.statisticsPage().cb_statrefresh.checked());
  EXPECT_EQ(form.runState().Timer3.interval(), 1000u);
  EXPECT_EQ(form.settingsPage().tobnovl.value(), 1000);
  EXPECT_EQ(form.trafficParts().traffic.interfaceName, "");
  EXPECT_EQ(form.trafficParts().traffic.position, 0);
  EXPECT_TRUE(form.trafficParts().traffic.logging);
  EXPECT_EQ(form.trafficParts().traffic.logInterval, 0);
  EXPECT_EQ(configBytes(), "<missing>");

  exitProgram();
  EXPECT_EQ(configBytes(), defaultDisplayKeys());
}

TEST_F(ConfigTest, SectionAndKeyNamesMatchWithoutCase) {
  putConfig("[KICK]\r\nautokick=0\r\n[window]\r\nWIDTH=640\r\n");
  TForm1& form = start().form;
  EXPECT_FALSE(form.settingsPage().mochilkabox.checked());
  EXPECT_EQ(form.keptSettings().AutoKick, 0);
  EXPECT_EQ(form.window().bounds().width, 640);

  // The keys keep the spelling they have in the file.
  form.SaveAllSettings();
  const std::string bytes = configBytes();
  EXPECT_NE(bytes.find("[KICK]\r\nautokick=0\r\nKickTime=10\r\nLogic=0\r\n"
                       "Pipes=0\r\n[window]\r\nWIDTH=640\r\nHeigth=360\r\n"),
            std::string::npos)
      << bytes;
}

TEST_F(ConfigTest, CheckBoxesRunTheirHandlersWhenTheFileChangesThem) {
  putConfig(
      "[Log]\r\nUse=1\r\nLocalCheck=1\r\nLogPipes=1\r\nDenyFiles=1\r\n"
      "NullSession=0\r\n[Kick]\r\nAutoKick=2\r\nLogic=1\r\nPipes=1\r\n"
      "[Window]\r\nHideOnClose=0\r\n[Display]\r\nBalloons=0\r\n"
      "CleanTable=0\r\n[Sound]\r\nOnConnect=1\r\n[Options]\r\nRules=1\r\n"
      "[Other]\r\nStatRefresh=0\r\n");
  TForm1& form = start().form;
  EXPECT_TRUE(form.settingsPage().logbox.checked());
  EXPECT_TRUE(form.keptSettings().LogEnabled);
  EXPECT_TRUE(form.settingsPage().cb_ignorelocal.checked());
  EXPECT_TRUE(form.keptSettings().IgnoreLocal);
  EXPECT_TRUE(form.settingsPage().cb_logsys.checked());
  EXPECT_TRUE(form.settingsPage().cb_denyf.checked());
  EXPECT_FALSE(form.settingsPage().cb_lognullconn.checked());
  // Checking the idle-kick box turns the switch to plain "on".
  EXPECT_TRUE(form.settingsPage().mochilkabox.checked());
  EXPECT_EQ(form.keptSettings().AutoKick, 1);
  EXPECT_TRUE(form.securityPage().sec_logic.checked());
  EXPECT_TRUE(form.settingsPage().cb_kickpipe.checked());
  EXPECT_FALSE(form.settingsPage().Close_minim.checked());
  EXPECT_FALSE(form.settingsPage().cb_conninfo.checked());
  EXPECT_FALSE(form.settingsPage().cb_cleantable.checked());
  EXPECT_TRUE(form.settingsPage().cb_connsound.checked());
  EXPECT_TRUE(form.securityPage().cb_rules.checked());
  EXPECT_FALSE(form.statisticsPage().cb_statrefresh.checked());

  // Clicks by the user move the flags along.
  form.settingsPage().logbox.setChecked(false);
  form.settingsPage().cb_ignorelocal.setChecked(false);
  form.settingsPage().mochilkabox.setChecked(false);
  EXPECT_FALSE(form.keptSettings().LogEnabled);
  EXPECT_FALSE(form.keptSettings().IgnoreLocal);
  EXPECT_EQ(form.keptSettings().AutoKick, 0);
}

TEST_F(ConfigTest, AutoKickTwoIsSavedAsOne) {
  putConfig("[Kick]\r\nAutoKick=2\r\n");
  TForm1& form = start().form;
  EXPECT_TRUE(form.settingsPage().mochilkabox.checked());
  EXPECT_EQ(form.keptSettings().AutoKick, 1);
  form.SaveAllSettings();
  EXPECT_EQ(configBytes().find("[Kick]\r\nAutoKick=1\r\nKickTime=10\r\n"), 0u)
      << configBytes();
}

TEST_F(ConfigTest, ZeroWidthHidesAColumnAndItsToggleShowsItAt70) {
  putConfig("[Display]\r\nT1W0=120\r\nT1W3=0\r\nT2W1=0\r\nT2W4=300\r\n");
  ProgramRun& run = start();
  TForm1& form = run.form;
  EXPECT_EQ(form.connectionsPage().st_conns.colWidth(0), 120);
  EXPECT_EQ(form.connectionsPage().st_conns.colWidth(1), 89);
  EXPECT_EQ(form.connectionsPage().st_conns.colWidth(3), 0);
  EXPECT_EQ(form.connectionsPage().st_files.colWidth(0), 70);
  EXPECT_EQ(form.connectionsPage().st_files.colWidth(1), 0);
  // The path column is laid out to fill the grid, whatever was read:
  // 425 pixels of grid less columns 0 to 3 less 25.
  EXPECT_EQ(form.connectionsPage().st_files.colWidth(4), 190);
  EXPECT_TRUE(run.menuItem("N33").checked());
  EXPECT_FALSE(run.menuItem("N36").checked());
  EXPECT_TRUE(run.menuItem("N43").checked());
  EXPECT_FALSE(run.menuItem("N44").checked());
  EXPECT_EQ(run.menuItem("N36").caption(), "Время простоя соединения");
  EXPECT_EQ(run.menuItem("N48").caption(), "Путь к файлу");
  EXPECT_EQ(run.menuItem("N32").caption(), "Столбцы...");
  EXPECT_EQ(run.menuItem("N42").caption(), "Столбцы...");

  run.menuItem("N36").click();
  EXPECT_TRUE(run.menuItem("N36").checked());
  EXPECT_EQ(form.connectionsPage().st_conns.colWidth(3), 70);
  run.menuItem("N33").click();
  EXPECT_FALSE(run.menuItem("N33").checked());
  EXPECT_EQ(form.connectionsPage().st_conns.colWidth(0), 0);
  run.menuItem("N33").click();
  EXPECT_EQ(form.connectionsPage().st_conns.colWidth(0), 70);
  run.menuItem("N48").click();
  EXPECT_FALSE(run.menuItem("N48").checked());
  EXPECT_EQ(form.connectionsPage().st_files.colWidth(4), 0);
  run.menuItem("N44").click();
  EXPECT_EQ(form.connectionsPage().st_files.colWidth(1), 70);

  exitProgram();
  const std::string bytes = configBytes();
  EXPECT_NE(bytes.find("T1W0=70\r\nT1W3=70\r\nT2W1=70\r\nT2W4=0\r\n"
                       "Balloons=1\r\nCleanTable=1\r\nT1W1=89\r\n"),
            std::string::npos)
      << bytes;
}

TEST_F(ConfigTest, SpinBoxesBringValuesWithinTheirBounds) {
  putConfig(
      "[Timer]\r\nRefresh=abc\r\n[Kick]\r\nKickTime=400\r\n"
      "[Log]\r\nOpenFiles=5000\r\n");
  TForm1* form = &start().form;
  EXPECT_EQ(form->runState().Timer3.interval(), 100u);
  EXPECT_EQ(form->settingsPage().tobnovl.value(), 100);
  EXPECT_EQ(form->settingsPage().kicktime.value(), 360);
  EXPECT_EQ(form->keptSettings().KickTime, 360);
  EXPECT_EQ(form->settingsPage().n_denyf.value(), 1000);
  form->SaveAllSettings();
  const std::string bytes = configBytes();
  EXPECT_NE(bytes.find("[Timer]\r\nRefresh=100\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("[Kick]\r\nKickTime=360\r\nAutokick=1\r\n"),
            std::string::npos)
      << bytes;
  EXPECT_NE(bytes.find("[Log]\r\nOpenFiles=1000\r\n"), std::string::npos);

  // A negative idle limit is the default, not 0 that would kick all.
  putConfig("[Kick]\r\nKickTime=-3\r\n");
  form = &start().form;
  EXPECT_EQ(form->settingsPage().kicktime.value(), 10);
  EXPECT_EQ(form->keptSettings().KickTime, 10);
  putConfig("[Kick]\r\nKickTime=0\r\n");
  form = &start().form;
  EXPECT_EQ(form->keptSettings().KickTime, 0);

  putConfig("[Timer]\r\nRefresh=250\r\n");
  form = &start().form;
  EXPECT_EQ(form->runState().Timer3.interval(), 250u);
  EXPECT_EQ(form->settingsPage().tobnovl.value(), 250);
  // The monitor interval follows the spin box at once.
  form->settingsPage().tobnovl.setValue(2000);
  EXPECT_EQ(form->runState().Timer3.interval(), 2000u);
  form->settingsPage().kicktime.setValue(45);
  EXPECT_EQ(form->keptSettings().KickTime, 45);

  putConfig("[Timer]\r\nRefresh=100000\r\n");
  form = &start().form;
  EXPECT_EQ(form->runState().Timer3.interval(), 60000u);
}

TEST_F(ConfigTest, ANumberWithASignDoesNotStartWithADigitAndReadsAsZero) {
  putConfig(
      "[Kick]\r\nLogic=-1\r\nAutoKick=-1\r\n[Display]\r\nT1W0=-5\r\n"
      "T1W1=+7\r\nT1W3=12abc\r\n[Log]\r\nUse=-1\r\n");
  TForm1& form = start().form;
  EXPECT_FALSE(form.securityPage().sec_logic.checked());
  EXPECT_FALSE(form.settingsPage().mochilkabox.checked());
  EXPECT_EQ(form.keptSettings().AutoKick, 0);
  EXPECT_FALSE(form.keptSettings().LogEnabled);
  EXPECT_EQ(form.connectionsPage().st_conns.colWidth(0), 0);
  EXPECT_EQ(form.connectionsPage().st_conns.colWidth(1), 0);
  EXPECT_EQ(form.connectionsPage().st_conns.colWidth(3), 12);
  form.SaveAllSettings();
  const std::string bytes = configBytes();
  EXPECT_EQ(bytes.find("T1W0=-5"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("T1W0=0\r\n"), std::string::npos) << bytes;
}

TEST_F(ConfigTest, TheWindowNeverGetsSmallerThan400By100) {
  const auto savedSize = [this] {
    const std::string bytes = configBytes();
    const auto from = bytes.find("Width=");
    return bytes.substr(from, bytes.find("\r\nHideOnClose") - from);
  };
  putConfig("[Window]\r\nWidth=100\r\nHeigth=50\r\n");
  TForm1* form = &start().form;
  EXPECT_EQ(form->window().bounds().width, 400);
  EXPECT_EQ(form->window().bounds().height, 100);
  // The path column keeps a width a user can widen.
  EXPECT_GT(form->connectionsPage().st_files.colWidth(4), 0);
  exitProgram();
  EXPECT_EQ(savedSize(), "Width=400\r\nHeigth=100");

  putConfig("[Window]\r\nWidth=abc\r\nHeigth=-5\r\n");
  form = &start().form;
  EXPECT_EQ(form->window().bounds().width, 400);
  EXPECT_EQ(form->window().bounds().height, 100);
  // A drag below the smallest size stops at it.
  form->window().setBounds({10, 20, 150, 30});
  EXPECT_EQ(form->window().bounds().width, 400);
  EXPECT_EQ(form->window().bounds().height, 100);
  form->window().setBounds({10, 20, 700, 500});
  exitProgram();
  EXPECT_EQ(savedSize(), "Width=700\r\nHeigth=500");
}

TEST_F(ConfigTest, HotKeyFieldsShowTheValuesAndTheValuesFollowTheFields) {
  putConfig("[HotKey]\r\nKey=75\r\nMod=3\r\nKickKey=123\r\nKickMod=5\r\n");
  TForm1& form = start().form;
  EXPECT_EQ(form.settingsPage().hk1.value(), kAlt | kCtrl | 75);
  EXPECT_EQ(form.keptSettings().Key, 75);
  EXPECT_EQ(form.keptSettings().Mod, 3);
  // The field has no Shift; the value read keeps it for the registration.
  EXPECT_EQ(form.settingsPage().hk2.value(), kAlt | 123);
  EXPECT_EQ(form.keptSettings().KickKey, 123);
  EXPECT_EQ(form.keptSettings().KickMod, 5);

  form.settingsPage().hk2.setValue(kAlt | kCtrl | 'K');
  EXPECT_EQ(form.keptSettings().KickMod, 3);
  EXPECT_EQ(form.keptSettings().KickKey, 75);
  form.settingsPage().hk1.setValue(kCtrl | 'Q');
  EXPECT_EQ(form.keptSettings().Mod, 2);
  EXPECT_EQ(form.keptSettings().Key, 'Q');

  form.SaveAllSettings();
  EXPECT_NE(configBytes().find(
                "[HotKey]\r\nKey=81\r\nMod=2\r\nKickKey=75\r\nKickMod=3\r\n"),
            std::string::npos)
      << configBytes();
}

TEST_F(ConfigTest, TextsAreReadIn1251AndCutToTheirCapacity) {
  const std::string longName(300, 'x');
  putConfig(
      "[Log]\r\nFiles=\xE6\xF3\xF0\xED\xE0\xEB.log\r\n"
      "[Traffic]\r\nInterface=" +
      longName + "\r\nIndex=3\r\nLog=7\r\nLogInterval=70000\r\n");
  TForm1& form = start().form;
  EXPECT_EQ(form.settingsPage().t_log.text(), "журнал.log");
  EXPECT_EQ(form.trafficParts().traffic.interfaceName, longName.substr(0, 255));
  EXPECT_EQ(form.trafficParts().traffic.position, 3);
  EXPECT_TRUE(form.trafficParts().traffic.logging);
  // 16 bits: 70000 - 65536.
  EXPECT_EQ(form.trafficParts().traffic.logInterval, 4464);
}

}  // namespace
}  // namespace ov
