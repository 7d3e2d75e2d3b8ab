// Kicking everybody: every session that reports a user name is
// disconnected, naming that user.
#include <gtest/gtest.h>

#include "lan_form.h"
#include "monitor/access_policy.h"
#include "platform/headless/controls.h"
#include "policy_support.h"
#include "tests/support/inert_lan.h"

namespace ov::test {
namespace {

using Lines = std::vector<std::string>;

TEST(KickAll, DisconnectsEverySessionOfTheSimulatedServer) {
  // The simulated server always reports a user-name field at level 10,
  // empty or not.
  LanForm lan(R"(
0 connect PC1 ivan
0 connect PC1 petr
0 connect 10.0.0.13 ""
)");
  lan.runUntil(1.5);
  lan.form().kickAll();
  EXPECT_EQ(lan.calls("NetSessionDel"),
            (Lines{sessionDel("PC1", "ivan"), sessionDel("PC1", "petr"),
                   sessionDel("10.0.0.13", "")}));
  lan.runUntil(2);
  EXPECT_EQ(lan.form().monitorParts().cycleCounters.sessionsThisCycle, 0);
}

// A server whose level-10 answer comes in two batches, with a session that
// leaves its user name out.
class TwoBatchServer : public InertNetApi {
 public:
  SessionBatch NetSessionEnum(std::string_view server, uint32_t level,
                              uint32_t prefMaxLen,
                              uint32_t& resumeHandle) override {
    asked.push_back(std::string(server) + " " + std::to_string(level) + " " +
                    std::to_string(prefMaxLen));
    SessionBatch batch;
    if (resumeHandle == 0) {
      batch.status = ERROR_MORE_DATA;
      batch.info10 = {{"PC1", "ivan", 5, 0}, {"PC2", std::nullopt, 5, 0}};
      resumeHandle = 2;
    } else {
      batch.info10 = {{"PC3", "", 5, 0}};
    }
    return batch;
  }
  NetStatus NetSessionDel(std::string_view server, std::string_view client,
                          std::optional<std::string_view> user) override {
    deleted.push_back(std::string(server) + " " + std::string(client) + " " +
                      (user ? std::string(*user) : "(none)"));
    return NERR_Success;
  }

  Lines asked;
  Lines deleted;
};

ui::ControlArgs named(const char* name) { return {name, {}, "", ""}; }

TEST(KickAll, PassesOverSessionsWithoutAUserNameField) {
  headless::ListBox computers(named("ListBox1"));
  headless::ListBox users(named("ListBox2"));
  headless::CheckBox logic(named("sec_logic"), false);
  headless::CheckBox closed(named("SecurityCB1"), false);
  headless::CheckBox pipes(named("cb_kickpipe"), false);
  headless::CheckBox limitOn(named("cb_denyf"), false);
  headless::SpinEdit limit({named("n_denyf"), 0, 1000, 1, 0});
  const int autoKick = 1;
  const int kickTime = 10;
  TwoBatchServer server;
  monitor::WatchedServer watched;
  monitor::AccessPolicy policy({computers, users, logic, closed, pipes, limitOn,
                                limit, autoKick, kickTime},
                               server, watched);
  policy.kickAll();
  EXPECT_EQ(server.asked, (Lines{" 10 2048", " 10 2048"}));
  EXPECT_EQ(server.deleted, (Lines{" \\\\PC1 ivan", " \\\\PC3 "}));
}

}  // namespace
}  // namespace ov::test
