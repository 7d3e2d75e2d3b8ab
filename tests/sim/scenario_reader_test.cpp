#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "platform/sim/scenario.h"

namespace ov::sim {
namespace {

using ::testing::ElementsAre;
using ::testing::Pair;

std::string errorOf(std::string_view text) {
  try {
    parseScenario(text, "lan.scn");
  } catch (const ScenarioError& e) {
    return e.what();
  }
  return "no error";
}

TEST(ScenarioReader, ReadsFieldsQuotesOptionsAndTimes) {
  const Scenario s = parseScenario(
      "\xEF\xBB\xBF# a comment\r\n"
      "\r\n"
      "   # an indented comment\n"
      "0 share Docs \"C:\\My Docs\" remark=\"Say \"\"hi\"\"\" max=-1\r\n"
      "12.5 open 7 PC1 \"\" C:\\Docs\\a.doc perm=3\n"
      "+2 connect PC2 ivan busy cltype=\"Windows 5.0\" reconnect=1.5\n"
      "+0.25\tdisconnect PC2 ivan",
      "lan.scn");
  ASSERT_EQ(s.events.size(), 4u);
  EXPECT_EQ(s.fileName, "lan.scn");

  const ScenarioEvent& share = s.events[0];
  EXPECT_EQ(share.line, 4);
  EXPECT_EQ(share.timeMs, 0u);
  EXPECT_EQ(share.verb, "share");
  EXPECT_THAT(share.args, ElementsAre("Docs", "C:\\My Docs"));
  EXPECT_THAT(share.options,
              ElementsAre(Pair("remark", "Say \"hi\""), Pair("max", "-1")));

  const ScenarioEvent& open = s.events[1];
  EXPECT_EQ(open.timeMs, 12500u);
  EXPECT_THAT(open.args, ElementsAre("7", "PC1", "", "C:\\Docs\\a.doc"));
  EXPECT_EQ(open.option("perm"), "3");
  EXPECT_EQ(open.option("locks"), std::nullopt);

  const ScenarioEvent& connect = s.events[2];
  EXPECT_EQ(connect.timeMs, 14500u);
  EXPECT_THAT(connect.args, ElementsAre("PC2", "ivan", "busy"));
  EXPECT_EQ(connect.option("cltype"), "Windows 5.0");
  EXPECT_EQ(connect.option("reconnect"), "1.5");
  EXPECT_EQ(s.events[3].timeMs, 14750u);
  EXPECT_EQ(s.events[3].line, 7);
}

TEST(ScenarioReader, HandsUserVerbsOverWithTheirText) {
  const Scenario s = parseScenario(
      "0 ui click b_addrule\n"
      "0 ui text t_log a=b.log\n"
      "0 ui key Edit1 enter\n"
      "0 ui key Edit1 ж\n"
      "0 ui check cb_rules 1\n"
      "0 ui tray menu N33\n"
      "0 ui tray dblclick\n"
      "0 ui dialog edit1 \"Мочить всех\"\n"
      "0 ui dialog click editr\n"
      "0 ui dialog close\n"
      "0 ui answer 42\n"
      "0 ui popup ListBox2\n"
      "0 dump out/form.json\n"
      "1 exit\n"
      "2 quit\n",
      "lan.scn");
  ASSERT_EQ(s.events.size(), 15u);
  EXPECT_THAT(s.events[11].args, ElementsAre("popup", "ListBox2"));
  EXPECT_THAT(s.events[1].args, ElementsAre("text", "t_log", "a=b.log"));
  EXPECT_THAT(s.events[3].args, ElementsAre("key", "Edit1", "ж"));
  EXPECT_THAT(s.events[7].args, ElementsAre("dialog", "edit1", "Мочить всех"));
  for (const ScenarioEvent& e : s.events) EXPECT_FALSE(e.isWorldVerb());
  EXPECT_EQ(s.events[13].verb, "exit");
}

TEST(ScenarioReader, NamesFileLineAndReason) {
  EXPECT_EQ(errorOf("0 localhost A\n\n7 frobnicate x"),
            "lan.scn:3: unknown verb 'frobnicate'");
  EXPECT_EQ(errorOf("1x connect PC1 ivan"),
            "lan.scn:1: bad time '1x' (seconds, or +seconds)");
  EXPECT_EQ(errorOf("-1 connect PC1 ivan"),
            "lan.scn:1: bad time '-1' (seconds, or +seconds)");
  EXPECT_EQ(errorOf("15 touch PC1 ivan\n12 touch PC1 ivan"),
            "lan.scn:2: time 12 goes back before the previous line's 15");
  EXPECT_EQ(errorOf("0 share Docs \"C:\\Docs"),
            "lan.scn:1: unterminated quote");
  EXPECT_EQ(errorOf("0 share Docs C:\\Docs remark=\"x"),
            "lan.scn:1: unterminated quote");
  EXPECT_EQ(errorOf("# c\n0 connect PC1"), "lan.scn:2: connect: missing USER");
  EXPECT_EQ(errorOf("0 open 1 PC1 ivan"), "lan.scn:1: open: missing PATH");
  EXPECT_EQ(errorOf("0 ui text t_log"), "lan.scn:1: ui text: missing TEXT");
  EXPECT_EQ(errorOf("0"), "lan.scn:1: missing verb");
  EXPECT_EQ(errorOf("0 close 1 2"),
            "lan.scn:1: close: unexpected argument '2'");
  EXPECT_EQ(errorOf("0 connect PC1 ivan cltpye=x"),
            "lan.scn:1: unknown option 'cltpye' for connect");
  EXPECT_EQ(errorOf("0 connect PC1 ivan on=x on=y"),
            "lan.scn:1: option 'on' given twice");
  EXPECT_EQ(errorOf("0 connect \\\\PC1 ivan"),
            "lan.scn:1: CLIENT '\\\\PC1' is written without backslashes");
  EXPECT_EQ(errorOf("0 host PC1 10.0.0.256"),
            "lan.scn:1: '10.0.0.256' is not a dotted IPv4 address");
  EXPECT_EQ(errorOf("0 sound loud"),
            "lan.scn:1: sound: STATE must be 'on' or 'off', not 'loud'");
  EXPECT_EQ(errorOf("0 share A B max=-2"),
            "lan.scn:1: bad max '-2' (a number from -1 to 4294967295)");
  EXPECT_EQ(errorOf("0 share A B max=0x100000000000000000"),
            "lan.scn:1: bad max '0x100000000000000000' (a number from -1 to "
            "4294967295)");
  EXPECT_EQ(errorOf("0 share A B max=0x8000000000000000"),
            "lan.scn:1: bad max '0x8000000000000000' (a number from -1 to "
            "4294967295)");
  EXPECT_EQ(errorOf("0 share A B max=0x7FFFFFFFFFFFFFFF"),
            "lan.scn:1: bad max '0x7FFFFFFFFFFFFFFF' (a number from -1 to "
            "4294967295)");
  EXPECT_EQ(errorOf("0 share A B max=9223372036854775808"),
            "lan.scn:1: bad max '9223372036854775808' (a number from -1 to "
            "4294967295)");
  EXPECT_EQ(errorOf("0 service 9"),
            "lan.scn:1: bad STATE '9' (a number from 1 to 7)");
  EXPECT_EQ(errorOf("0 stats server sts0_fopen=1"),
            "lan.scn:1: unknown option 'sts0_fopen' for stats");
  EXPECT_EQ(errorOf("0 fail NetFileEnum 5 count=0"),
            "lan.scn:1: bad count '0' (a number from 1 to 4294967295)");
  EXPECT_EQ(errorOf("0 ping 10.0.0.1 timeout rtt=5"),
            "lan.scn:1: ping: 'timeout' takes no options");
  EXPECT_EQ(errorOf("0 winsock 2"),
            "lan.scn:1: winsock: VERSION must be MAJOR.MINOR, not '2'");
  EXPECT_EQ(errorOf("0 winsock 1.256"),
            "lan.scn:1: bad MINOR '256' (a number from 0 to 255)");
  EXPECT_EQ(errorOf("0 ping 10.0.0.1 machine ttl=5"),
            "lan.scn:1: ping: 'machine' takes no options");
  EXPECT_EQ(errorOf("0 ping 10.0.0.1 often"),
            "lan.scn:1: ping: ANSWER must be 'timeout' or 'machine', not "
            "'often'");
  EXPECT_EQ(errorOf("0 counters eth0 in=5"),
            "lan.scn:1: counters: missing out=");
  EXPECT_EQ(errorOf("0 dir C:\\a\"b"),
            "lan.scn:1: quote inside the field 'C:\\a\"b'");
  EXPECT_EQ(errorOf("0 dir \"C:\\a\"b"),
            "lan.scn:1: text after a closing quote");
  EXPECT_EQ(
      errorOf("0 ui key Edit1 ab"),
      "lan.scn:1: ui key: KEY must be 'enter' or one character, not 'ab'");
  EXPECT_EQ(errorOf("0 ui wiggle x"), "lan.scn:1: unknown ui action 'wiggle'");
  EXPECT_EQ(errorOf("0 ui dialog button x"),
            "lan.scn:1: ui dialog: ROLE must be 'edit1' or 'edit2' or 'path' "
            "or 'spin' or 'combo' or 'memo' or 'check', not 'button'");
  EXPECT_EQ(errorOf("0 exit now"),
            "lan.scn:1: exit: unexpected argument 'now'");
  EXPECT_EQ(errorOf("0 dir \xC3\x28"), "lan.scn:1: not UTF-8 text");
}

TEST(ScenarioReader, ReadsFilesAndReportsOnesItCannotOpen) {
  const std::string path = ::testing::TempDir() + "reader_test.scn";
  std::ofstream(path) << "0 localhost SRV\n+1 exit\n";
  const Scenario s = readScenarioFile(path);
  ASSERT_EQ(s.events.size(), 2u);
  EXPECT_EQ(s.events[1].timeMs, 1000u);
  std::remove(path.c_str());

  try {
    readScenarioFile(path);
    ADD_FAILURE() << "a missing file was read";
  } catch (const ScenarioError& e) {
    EXPECT_EQ(e.what(), path + ": cannot open the file");
    EXPECT_EQ(e.line(), 0);
  }
}

}  // namespace
}  // namespace ov::sim
