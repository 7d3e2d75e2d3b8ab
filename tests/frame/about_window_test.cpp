// The about window's contact links: blue, red and underlined under the
// pointer, and handed to the shell when clicked.
#include "app/about_window.h"

#include <gtest/gtest.h>

#include "lan_form.h"
#include "tests/support/contains.h"

namespace ov::test {
namespace {

TEST(AboutWindow, LinksLightUpUnderThePointerAndOpenTheirTargets) {
  LanForm lan("");
  lan.runUntil(1);
  std::vector<std::string> looks;
  lan.windows().onModal = [&](const std::function<bool()>&) {
    headless::Dialog* about = lan.windows().shownDialog();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->caption(), "О программе...");
    EXPECT_EQ(about->bounds().width, 440);
    EXPECT_EQ(about->bounds().height, 140);
    auto* mail = about->store().registry().find<ui::Label>("lb_mail");
    auto* site = about->store().registry().find<ui::Label>("lb_site");
    ASSERT_TRUE(mail && site);
    mail->onMouseEnter();
    looks.push_back(lan.windows().dump());
    mail->onMouseLeave();
    looks.push_back(lan.windows().dump());
    mail->onClick();
    site->onClick();
    about->closeBox();
  };
  lan.form().mnu_aboutClick();

  ASSERT_EQ(looks.size(), 2u);
  EXPECT_TRUE(contains(looks[0],
                       R"("caption": "orvane@orvane.example", )"
                       R"("color": "FF0000", "underline": true, "bounds")"));
  EXPECT_TRUE(contains(looks[1],
                       R"("caption": "orvane@orvane.example", )"
                       R"("color": "0000FF", "underline": false, "bounds")"));
  EXPECT_EQ(
      lan.calls("ShellExecute"),
      (std::vector<std::string>{R"(["open", "mailto:orvane@orvane.example"])",
                                R"(["open", "https://orvane.example/"])"}));
  EXPECT_EQ(lan.form().toolDialogs().currentDialog.window, nullptr);
}

}  // namespace
}  // namespace ov::test
