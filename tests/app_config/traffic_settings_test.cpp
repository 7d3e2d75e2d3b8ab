// The [Traffic] keys: written at close only when they changed.
#include <string>

#include "app/form1.h"
#include "tests/app_config/config_fixture.h"

namespace ov {
namespace {

const std::string kTrafficKeys =
    "[Traffic]\r\nInterface=eth0\r\nIndex=2\r\nLog=0\r\nLogInterval=15\r\n";

TEST_F(ConfigTest, UnchangedTrafficKeysAreNotWritten) {
  putConfig(kTrafficKeys);
  TForm1& form = start().form;
  EXPECT_EQ(form.trafficParts().traffic.interfaceName, "eth0");
  EXPECT_EQ(form.trafficParts().traffic.position, 2);
  EXPECT_FALSE(form.trafficParts().traffic.logging);
  EXPECT_EQ(form.trafficParts().traffic.logInterval, 15);
  exitProgram();
  EXPECT_EQ(configBytes(), kTrafficKeys + defaultDisplayKeys());

  // Changed and changed back is unchanged.
  TForm1& again = start().form;
  again.trafficParts().traffic.position = 5;
  again.trafficParts().traffic.position = 2;
  again.trafficParts().traffic.logInterval = 15;
  exitProgram();
  EXPECT_EQ(configBytes(), kTrafficKeys + defaultDisplayKeys());
}

TEST_F(ConfigTest, OneChangedTrafficKeyWritesAllThreeInOrder) {
  TForm1& form = start().form;
  form.trafficParts().traffic.logging = false;
  exitProgram();
  EXPECT_EQ(configBytes(), "[Traffic]\r\nInterface=\r\nLog=0\r\nIndex=0\r\n" +
                               defaultDisplayKeys());

  putConfig(kTrafficKeys);
  TForm1& again = start().form;
  again.trafficParts().traffic.interfaceName = "Сетевой адаптер";
  exitProgram();
  EXPECT_EQ(configBytes(),
            "[Traffic]\r\nInterface=\xD1\xE5\xF2\xE5\xE2\xEE\xE9 "
            "\xE0\xE4\xE0\xEF\xF2\xE5\xF0\r\nIndex=2\r\nLog=0\r\n"
            "LogInterval=15\r\n" +
                defaultDisplayKeys());
}

TEST_F(ConfigTest, LogIntervalIsWrittenOnItsOwnWhenItChanged) {
  putConfig(kTrafficKeys);
  TForm1& form = start().form;
  form.trafficParts().traffic.logInterval = 30;
  exitProgram();
  std::string expected = kTrafficKeys + defaultDisplayKeys();
  expected.replace(expected.find("LogInterval=15"), 14, "LogInterval=30");
  EXPECT_EQ(configBytes(), expected);

  putConfig("");
  TForm1& again = start().form;
  again.trafficParts().traffic.logInterval = 60;
  again.trafficParts().traffic.position = 1;
  exitProgram();
  EXPECT_EQ(
      configBytes(),
      "[Traffic]\r\nInterface=\r\nLog=1\r\nIndex=1\r\nLogInterval=60\r\n" +
          defaultDisplayKeys());
}

}  // namespace
}  // namespace ov
