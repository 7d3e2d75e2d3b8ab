// The messenger "net sender": the block written to the recipient's
// mailslot, the failures it reports and the recipient list.
#include <gtest/gtest.h>

#include <string>

#include "lan_form.h"

namespace ov::test {
namespace {

using Calls = std::vector<std::string>;

TEST(Messenger, WritesTheBlockInTheOemCodePageAndRemembersTheRecipient) {
  LanForm lan(
      "0 mailslot PC7 accept\n"
      "1 ui click mnu_netsend\n"
      "1 ui dialog edit1 pc-admin\n"
      "1 ui dialog combo PC7\n"
      "1 ui dialog memo Привет\n"
      "1 ui dialog click Отправить\n"
      "2 ui dialog combo pc7\n"
      "2 ui dialog memo \"Ещё раз\"\n"
      "2 ui dialog click Отправить\n");
  std::vector<MemoAndList> seen;
  recordAfterBranch(lan.form().toolDialogs().dialogBranches.send,
                    lan.form().toolDialogs().currentDialog, seen);
  lan.runUntil(3);
  // PC-ADMIN, 0, PC7, 0, the six OEM bytes of Привет, 0: 20 bytes.
  ASSERT_EQ(lan.calls("MailslotWrite").size(), 2u);
  EXPECT_EQ(lan.calls("MailslotWrite")[0],
            R"(["\\\\PC7\\mailslot\\messngr", )"
            R"("50432d41444d494e00504337008fe0a8a2a5e200"])");
  EXPECT_TRUE(lan.calls("MessageBox").empty());
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].memo, "");
  // The recipient once, whatever its letter case the second time.
  EXPECT_EQ(seen[1].list, (std::vector<std::string>{"", "PC7"}));
}

TEST(Messenger, RefusedOrIncompleteMessagesAndTheSendersBuffer) {
  LanForm lan(
      "0 mailslot PC8 accept\n"
      "1 ui click mnu_netsend\n"
      "1 ui dialog combo PC7\n"
      "1 ui dialog memo Привет\n"
      "1 ui dialog click Отправить\n"
      "2 ui dialog combo PC8\n"
      "2 ui dialog click Отправить\n"
      "3 ui dialog edit1 админ-pc-longname\n"
      "3 ui dialog memo x\n"
      "3 ui dialog click Отправить\n");
  std::vector<MemoAndList> seen;
  recordAfterBranch(lan.form().toolDialogs().dialogBranches.send,
                    lan.form().toolDialogs().currentDialog, seen);
  lan.runUntil(4);
  // The refused mailslot says so; the memo is cleared all the same.
  EXPECT_EQ(lan.calls("MessageBox"),
            (Calls{R"(["Ошибка", "Ошибка отправки сообщения!\nНет )"
                   R"(доступа к адресату", 0])"}));
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].memo, "");
  // Without a text nothing went; the long sender is cut to 11 characters
  // and only its a-z are raised.
  ASSERT_EQ(lan.calls("MailslotWrite").size(), 1u);
  EXPECT_EQ(lan.calls("MailslotWrite")[0],
            R"(["\\\\PC8\\mailslot\\messngr", )"
            R"("a0a4aca8ad2d50432d4c4f00504338007800"])");
}

TEST(Messenger, FromTheConnectionsMenuTheRowsComputerIsTheRecipient) {
  LanForm lan(
      "0 connect PC1 ivan\n"
      "0 connect PC2 petr\n"
      "0 connect PC3 olga\n"
      "1.2 disconnect PC1 ivan\n"
      "2.5 ui select st_conns 2\n"
      "2.5 ui click pm_sendmsg\n"
      "2.5 ui dialog memo hi\n"
      "2.5 ui dialog click Отправить\n");
  std::vector<MemoAndList> seen;
  std::string recipient, sender;
  TForm1& form = lan.form();
  const auto send = form.toolDialogs().dialogBranches.send;
  form.toolDialogs().dialogBranches.send = [&] {
    recipient = form.toolDialogs().currentDialog.combo->text();
    sender = form.toolDialogs().currentDialog.edit1->text();
    seen.push_back({"", form.toolDialogs().currentDialog.combo->items()});
    send();
  };
  lan.runUntil(3);
  // PC1 left the grid; PC2 and PC3 are its rows.
  EXPECT_EQ(recipient, "PC3");
  EXPECT_EQ(sender, "ORVANE-PC");
  ASSERT_EQ(seen.size(), 1u);
  // The history ring's names: PC1's ended session, then the empty slots.
  EXPECT_EQ(seen[0].list, (std::vector<std::string>{"PC1", ""}));
}

}  // namespace
}  // namespace ov::test
