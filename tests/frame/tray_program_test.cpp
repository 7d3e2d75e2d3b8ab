// The program in the notification area: hidden after start, the close box,
// the tray icon's clicks and menu, the two exits and the hot keys.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "rules_lan.h"

namespace ov::test {
namespace {

using Strings = std::vector<std::string>;

// Options that write "OV.CFG" with these bytes before the form starts.
LanFormOptions withConfigBytes(std::string bytes) {
  LanFormOptions options;
  options.beforeStart = [bytes](const std::filesystem::path& dir, sim::World&) {
    std::ofstream(dir / "OV.CFG", std::ios::binary) << bytes;
  };
  return options;
}

bool exists(const LanForm& lan, const char* file) {
  return std::filesystem::exists(lan.programDir() / file);
}

const std::string kHotKeyFailure =
    R"x(["Ошибка", "Невозможно зарегистрировать 'горячие клавиши' (видимо, )x"
    R"x(они уже зарегистрированы за Orvane, либо за другой программой)", )x"
    R"x(48])x";

TEST(TrayProgram, StartsMinimisedAndIsHiddenByTheStartTimer) {
  LanForm lan("");
  TForm1& form = lan.form();
  EXPECT_EQ(form.window().windowState(), ui::WindowState::minimized);
  EXPECT_FALSE(form.runState().HiddenInTray);
  EXPECT_TRUE(lan.calls("RegisterHotKey").empty());
  lan.runUntil(0.02);
  EXPECT_EQ(form.window().windowState(), ui::WindowState::hidden);
  EXPECT_TRUE(form.runState().HiddenInTray);
  EXPECT_EQ(lan.calls("RegisterHotKey"),
            (Strings{"[16, 1, 122, true]", "[17, 1, 123, true]"}));
  // Only the tray icon is there.
  EXPECT_TRUE(lan.tray().iconShown());
}

TEST(TrayProgram, DoubleClickRestoresOnlyAHiddenWindowOpenAlways) {
  LanForm lan(
      "1 ui tray dblclick\n"
      "2 ui tray dblclick\n"
      "3 ui hotkey 16\n"
      "4 ui tray menu pm_open\n"
      "5 ui tray menu pm_open\n");
  TForm1& form = lan.form();
  lan.runUntil(1);
  EXPECT_EQ(form.window().windowState(), ui::WindowState::normal);
  EXPECT_FALSE(form.runState().HiddenInTray);
  // The user minimises the window; a double click leaves it so.
  form.window().setWindowState(ui::WindowState::minimized);
  lan.runUntil(2);
  EXPECT_EQ(form.window().windowState(), ui::WindowState::minimized);
  lan.runUntil(3);
  EXPECT_EQ(form.window().windowState(), ui::WindowState::hidden);
  EXPECT_TRUE(form.runState().HiddenInTray);
  lan.runUntil(4);
  EXPECT_EQ(form.window().windowState(), ui::WindowState::normal);
  form.window().setWindowState(ui::WindowState::minimized);
  lan.runUntil(5);
  EXPECT_EQ(form.window().windowState(), ui::WindowState::normal);
}

TEST(TrayProgram, CloseBoxHidesWhileCloseMinimIsChecked) {
  LanForm lan("1 ui tray dblclick\n2 ui close\n");
  lan.runUntil(2);
  EXPECT_EQ(lan.form().window().windowState(), ui::WindowState::hidden);
  EXPECT_TRUE(lan.form().runState().HiddenInTray);
  EXPECT_FALSE(lan.form().window().closed());
  EXPECT_FALSE(exists(lan, "OV.CFG"));
}

TEST(TrayProgram, CloseBoxClosesAndSavesWithCloseMinimClear) {
  LanForm lan("1 ui tray dblclick\n2 ui close\n",
              withConfigBytes("[Window]\r\nHideOnClose=0\r\n"));
  lan.runUntil(2);
  EXPECT_TRUE(lan.form().window().closed());
  EXPECT_TRUE(exists(lan, "OV.CFG"));
  EXPECT_TRUE(exists(lan, "rules"));
  EXPECT_EQ(lan.calls("TrayIcon").back(),
            R"(["delete", "idle", "Соединений:0", 1007])");
}

TEST(TrayProgram, TrayExitSavesNothingWhileTheMainMenuExitSaves) {
  LanForm tray("1 ui tray menu N2\n");
  tray.runUntil(1);
  EXPECT_TRUE(tray.windows().terminated());
  EXPECT_FALSE(tray.form().window().closed());
  EXPECT_FALSE(exists(tray, "OV.CFG"));
  EXPECT_FALSE(exists(tray, "rules"));
  EXPECT_FALSE(exists(tray, "traffic.log"));

  LanForm menu("1 ui click mnu_exit\n");
  menu.runUntil(1);
  EXPECT_FALSE(menu.windows().terminated());
  EXPECT_TRUE(menu.form().window().closed());
  EXPECT_TRUE(exists(menu, "OV.CFG"));
  EXPECT_TRUE(exists(menu, "rules"));
}

TEST(TrayProgram, CloseAllItemFlipsItsMarkAndSetsTheCheckBox) {
  LanForm lan(
      "1 ui tray menu pm_closeall\n"
      "2 ui check SecurityCB1 0\n"
      "3 ui tray menu pm_closeall\n");
  TForm1& form = lan.form();
  lan.runUntil(1);
  EXPECT_TRUE(lan.menuItem("pm_closeall").checked());
  EXPECT_TRUE(form.settingsPage().SecurityCB1.checked());
  // The item does not follow the check box.
  lan.runUntil(2);
  EXPECT_TRUE(lan.menuItem("pm_closeall").checked());
  lan.runUntil(3);
  EXPECT_FALSE(lan.menuItem("pm_closeall").checked());
  EXPECT_FALSE(form.settingsPage().SecurityCB1.checked());
}

TEST(TrayProgram, ShellRestartBringsTheIconBackWithItsPictureAndTip) {
  LanForm lan("0 connect PC1 ivan\n0 open 1 PC1 ivan C:\\a.doc\n");
  lan.runUntil(2);
  lan.tray().restartShell();
  EXPECT_EQ(lan.calls("TrayIcon").back(),
            R"(["add", "files", "Соединений:1; Открыто:1", 1007])");
}

TEST(HotKeys, ShowHideTogglesAndKickAllDisconnectsEverybody) {
  LanForm lan(
      "0 connect PC1 ivan\n"
      "0 connect PC2 petr\n"
      "2 ui hotkey 16\n"
      "3 ui hotkey 16\n"
      "4 ui hotkey 17\n"
      "5 ui hotkey 99\n");
  TForm1& form = lan.form();
  lan.runUntil(2);
  EXPECT_EQ(form.window().windowState(), ui::WindowState::normal);
  lan.runUntil(3);
  EXPECT_EQ(form.window().windowState(), ui::WindowState::hidden);
  EXPECT_TRUE(lan.calls("NetSessionDel").empty());
  lan.runUntil(5);
  EXPECT_EQ(
      lan.calls("NetSessionDel"),
      (Strings{R"(["", "\\\\PC1", "ivan"])", R"(["", "\\\\PC2", "petr"])"}));
  EXPECT_EQ(form.window().windowState(), ui::WindowState::hidden);
}

TEST(HotKeys, ATakenCombinationIsReportedOnceAndTheOtherStillWorks) {
  LanForm lan("0 hotkey taken 1 122\n");
  lan.runUntil(1);
  EXPECT_EQ(lan.calls("RegisterHotKey"),
            (Strings{"[16, 1, 122, false]", "[17, 1, 123, true]"}));
  EXPECT_EQ(lan.calls("MessageBox"), Strings{kHotKeyFailure});
}

TEST(HotKeys, SavingReRegistersSoUnchangedKeysReportNoFailure) {
  // Ctrl+Alt+K for the kick: the field's word has Alt, Ctrl and 'K'.
  LanForm lan("1 ui click b_reghk\n2 ui click b_reghk\n");
  lan.runUntil(1);
  EXPECT_TRUE(lan.calls("MessageBox").empty());
  lan.form().settingsPage().hk2.setValue(0x8000 | 0x4000 | 'K');
  lan.runUntil(2);
  EXPECT_TRUE(lan.calls("MessageBox").empty());
  EXPECT_EQ(lan.form().keptSettings().KickMod, 3);
  EXPECT_EQ(lan.form().keptSettings().KickKey, 75);
  EXPECT_EQ(lan.calls("RegisterHotKey").back(), "[17, 3, 75, true]");
  const std::string config = fileBytes(lan.programDir() / "OV.CFG");
  EXPECT_NE(config.find("KickKey=75\r\nKickMod=3\r\n"), std::string::npos)
      << config;
}

}  // namespace
}  // namespace ov::test
