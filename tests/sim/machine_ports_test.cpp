// Under Orvane.exe /sim the local machine's own hot keys and shell work for
// real behind the simulated LAN: what the program asks goes to the journal
// and then to the machine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim_run.h"

namespace ov::sim::testing {
namespace {

class MachineHotKeys : public HotKeyPort {
 public:
  bool RegisterHotKey(int id, unsigned modifiers, unsigned vk) override {
    calls.push_back("register " + std::to_string(id) + " " +
                    std::to_string(modifiers) + " " + std::to_string(vk));
    return vk != kHeldByTheMachine;
  }
  bool UnregisterHotKey(int id) override {
    calls.push_back("unregister " + std::to_string(id));
    return true;
  }
  static constexpr unsigned kHeldByTheMachine = 120;
  std::vector<std::string> calls;
};

class MachineShell : public ShellPort {
 public:
  void ShellExecute(std::optional<std::string_view> verb,
                    std::string_view file) override {
    calls.push_back(std::string(verb.value_or("(default)")) + " " +
                    std::string(file));
  }
  void WNetConnectionDialog(uint32_t type) override {
    calls.push_back("map drive " + std::to_string(type));
  }
  std::vector<std::string> calls;
};

TEST(MachinePorts, HotKeysRegisterOnTheMachineAndItsPressesReachTheProgram) {
  SimRun run("0 hotkey taken 1 123\n");
  run.runTo(0);
  MachineHotKeys machine;
  SimHotKeys& keys = run.lan.hotKeys();
  keys.setRealHotKeys(&machine);
  std::vector<int> pressed;
  keys.onHotKey = [&](int id) { pressed.push_back(id); };

  EXPECT_TRUE(keys.RegisterHotKey(1, 1, 122));
  // Taken in the scenario: the machine is not asked.
  EXPECT_FALSE(keys.RegisterHotKey(2, 1, 123));
  // Taken on the machine.
  EXPECT_FALSE(keys.RegisterHotKey(3, 1, MachineHotKeys::kHeldByTheMachine));
  EXPECT_TRUE(keys.UnregisterHotKey(1));
  EXPECT_EQ(machine.calls,
            (std::vector<std::string>{"register 1 1 122", "register 3 1 120",
                                      "unregister 1"}));
  const auto& journal = run.journal.lines();
  ASSERT_EQ(journal.size(), 3u);
  EXPECT_NE(journal[0].find("\"RegisterHotKey\", \"args\": [1, 1, 122, true]"),
            std::string::npos)
      << journal[0];
  EXPECT_NE(journal[2].find("[3, 1, 120, false]"), std::string::npos)
      << journal[2];

  machine.onHotKey(7);
  EXPECT_EQ(pressed, std::vector<int>{7});
}

TEST(MachinePorts, TheShellJournalsAndThenOpensOnTheMachine) {
  SimRun run("");
  MachineShell machine;
  run.lan.shell().ShellExecute(std::nullopt, "help.chm");
  run.lan.shell().setRealShell(&machine);
  run.lan.shell().ShellExecute("explore", "D:\\Docs");
  run.lan.shell().WNetConnectionDialog(1);
  EXPECT_EQ(machine.calls,
            (std::vector<std::string>{"explore D:\\Docs", "map drive 1"}));
  ASSERT_EQ(run.journal.lines().size(), 3u);
  EXPECT_NE(run.journal.lines()[1].find("\"explore\", \"D:\\\\Docs\""),
            std::string::npos)
      << run.journal.lines()[1];
}

}  // namespace
}  // namespace ov::sim::testing
