// Starting with Windows: the Run key's value "Orvane" at start and through
// the check box "Автозапуск с системой".
#include <gtest/gtest.h>

#include "lan_form.h"

namespace ov::test {
namespace {

using Strings = std::vector<std::string>;

// The machine holds the value "Orvane" when the program starts.
LanFormOptions autorunPresent() {
  LanFormOptions options;
  options.beforeStart = [](const std::filesystem::path&, sim::World& world) {
    world.autorunPresent() = true;
  };
  return options;
}

std::string programFile(const LanForm& lan) {
  return (lan.programDir() / "Orvane.exe").string();
}

TEST(AutoRun, APresentValueIsWrittenAgainWithTheCurrentPath) {
  LanForm lan("", autorunPresent());
  EXPECT_TRUE(lan.form().settingsPage().AutoRun.checked());
  EXPECT_EQ(lan.calls("RegSetValue"),
            Strings{"[\"Orvane\", \"" + programFile(lan) + "\"]"});
  EXPECT_EQ(lan.registry().value("Orvane"), programFile(lan));
  // Every key opened at start is closed again.
  EXPECT_EQ(lan.registry().openKeys(), 0u);
}

TEST(AutoRun, TheCheckBoxWritesAndDeletesTheValue) {
  LanForm lan("1 ui check AutoRun 1\n2 ui check AutoRun 0\n");
  EXPECT_FALSE(lan.form().settingsPage().AutoRun.checked());
  EXPECT_TRUE(lan.calls("RegSetValue").empty());
  lan.runUntil(1);
  EXPECT_EQ(lan.registry().value("Orvane"), programFile(lan));
  lan.runUntil(2);
  EXPECT_EQ(lan.calls("RegDeleteValue"), Strings{"[\"Orvane\"]"});
  EXPECT_EQ(lan.registry().value("Orvane"), std::nullopt);
  EXPECT_EQ(lan.registry().openKeys(), 0u);
}

TEST(AutoRun, NothingIsWrittenWhenTheKeyCannotBeOpened) {
  LanFormOptions options;
  options.beforeStart = [](const std::filesystem::path&, sim::World& world) {
    world.failures().arm("RegOpenKeyEx", 5, std::nullopt);
  };
  LanForm lan("1 ui check AutoRun 1\n", options);
  lan.runUntil(1);
  // The box shows the user's choice; the registry is left as it was.
  EXPECT_TRUE(lan.form().settingsPage().AutoRun.checked());
  EXPECT_TRUE(lan.calls("RegSetValue").empty());
  EXPECT_EQ(lan.registry().openKeys(), 0u);
}

TEST(AutoRun, APathLongerThanTheValueHoldsIsNotWrittenCut) {
  LanFormOptions options = autorunPresent();
  options.programFile = "C:\\" + std::string(260, 'p') + "\\Orvane.exe";
  LanForm lan("1 ui check AutoRun 0\n", options);
  EXPECT_TRUE(lan.form().settingsPage().AutoRun.checked());
  EXPECT_TRUE(lan.calls("RegSetValue").empty());
  lan.runUntil(1);
  EXPECT_EQ(lan.calls("RegDeleteValue"), Strings{"[\"Orvane\"]"});
}

}  // namespace
}  // namespace ov::test
