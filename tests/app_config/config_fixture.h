#pragma once
// Starts the real main form over the in-memory window system in a folder
// of its own, with "OV.CFG" as the test puts it there in raw bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "app/form1.h"
#include "platform/headless/headless_locale.h"
#include "platform/headless/recording_tray.h"
#include "platform/headless/virtual_clock.h"
#include "platform/headless/window_system.h"
#include "tests/support/inert_lan.h"

namespace ov {

// One run of the program: its services and its main form.
struct ProgramRun {
  explicit ProgramRun(const std::string& programDir)
      : services(machine.services(locale, windows, programDir)),
        form(services) {}

  headless::MenuItem& menuItem(const std::string& name) {
    auto* item = windows.registry().find<headless::MenuItem>(name);
    EXPECT_NE(item, nullptr) << name;
    return *item;
  }

  InertMachine machine;
  headless::HeadlessLocale locale;
  headless::WindowSystem windows;
  Services services;
  TForm1 form;
};

class ConfigTest : public ::testing::Test {
 protected:
  ConfigTest();
  ~ConfigTest() override;

  // Writes the bytes as they are: 1251 with CR LF is the test's to spell.
  void putConfig(std::string_view bytes);
  // The file's bytes; "<missing>" when there is none.
  std::string configBytes() const;

  ProgramRun& start();
  // Ends the run through the main menu's exit, which saves.
  void exitProgram();

  std::filesystem::path dir_;
  std::unique_ptr<ProgramRun> run_;
};

// The display save's text for the default settings, as a new file holds it.
std::string defaultDisplayKeys();

}  // namespace ov
