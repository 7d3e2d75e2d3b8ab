// "О компьютере...": the box with what the selected client's server tells
// of itself.
#include <gtest/gtest.h>

#include <string>

#include "lan_form.h"

namespace ov::test {
namespace {

using Calls = std::vector<std::string>;

// The box's journal line for a text.
std::string infoBox(const std::string& text) {
  std::string escaped;
  for (char c : text)
    escaped += c == '\n' ? std::string("\\n") : std::string(1, c);
  return R"(["Информация о компьютере", ")" + escaped + R"(", 8192])";
}

TEST(ComputerInfo, ShowsPlatformVersionCommentAndRolesInTableOrder) {
  LanForm lan(
      "0 server PC1 platform=500 major=5 minor=1 type=0x1003 "
      "comment=Бухгалтерия\n"
      "0 server PC2 platform=250 major=2147483652 minor=0 type=0x40000000\n"
      "0 connect PC1 ivan\n"
      "0 connect PC2 petr\n"
      "1.5 ui select st_conns 1\n"
      "1.5 ui click N20\n"
      "2 ui select st_conns 2\n"
      "2 ui click N5\n");
  lan.runUntil(3);
  EXPECT_EQ(lan.calls("MessageBox"),
            (Calls{infoBox("Компьютер:                 PC1\n"
                           "ID:                     NT\n"
                           "Версия LM:               5.1\n"
                           "Комментарий:      Бухгалтерия\n"
                           "Тип сервера и его сервисы:\n"
                           "Работает служба рабочей станции;\n"
                           "Работает служба сервера;\n"
                           "На компьютере Windows NT;\n"),
                   // Below 300 the platform has no name; the version's
                   // flag bits stay in it.
                   infoBox("Компьютер:                 PC2\n"
                           "ID:                       \n"
                           "Версия LM:     -2147483644.0\n"
                           "Комментарий:                 \n"
                           "Тип сервера и его сервисы:\n"
                           "Сервер, обслуженный просмотрщиком сети;\n")}));
}

TEST(ComputerInfo, LongCommentsAreCutAndUnknownPlatformsHaveNoName) {
  const std::string comment(2500, 'c');
  LanForm lan("0 server PC1 platform=800 type=0xFFFFFFFF comment=" + comment +
              "\n"
              "0 connect PC1 ivan\n"
              "1.5 ui select st_conns 1\n"
              "1.5 ui click N20\n");
  lan.runUntil(2);
  const Calls boxes = lan.calls("MessageBox");
  ASSERT_EQ(boxes.size(), 1u);
  const std::string start =
      R"(["Информация о компьютере", "Компьютер:                 PC1\n)"
      R"(ID:                       \nВерсия LM:)";
  EXPECT_EQ(boxes[0].substr(0, start.size()), start);
  // Three lines and "Комментарий:" make 99 characters before the comment:
  // 1,900 of its 2,500 are left, and no role.
  EXPECT_NE(boxes[0].find(std::string(1900, 'c') + R"(", 8192])"),
            std::string::npos);
  EXPECT_EQ(boxes[0].find(std::string(1901, 'c')), std::string::npos);
}

TEST(ComputerInfo, TheLocalMachineAMoreDataAnswerAndSilentFailures) {
  LanForm lan(
      "0 server \"\" platform=500 major=10 minor=0 type=0x3\n"
      "0 connect PC9 ivan\n"
      "1 ui click N20\n"
      "1.5 ui select st_conns 1\n"
      "1.5 ui click N20\n"
      "2 fail NetServerGetInfo 234\n"
      "2 ui click N20\n");
  lan.runUntil(3);
  const Calls boxes = lan.calls("MessageBox");
  // The empty cell asked this machine; PC9 is unknown and showed nothing;
  // a more-data answer still shows the box.
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(
      boxes[0].find(
          R"(Компьютер:                    \nID:                     NT\n)"),
      std::string::npos)
      << boxes[0];
  EXPECT_NE(boxes[1].find("PC9"), std::string::npos) << boxes[1];
}

}  // namespace
}  // namespace ov::test
