// Buttons, check boxes, labels, group boxes, edit, spin and hot-key boxes:
// what the program sets shows in the window, what the user does reaches the
// in-memory state and the program's events.
#include "tests/wine/win32/win32_test.h"

namespace ov::win32 {
namespace {

using ButtonsTest = Win32Test;

TEST_F(ButtonsTest, ButtonClickRunsOnClickAndCaptionShows) {
  ui::Button& button =
      windows.createButton(form, {"b_reghk", {5, 5, 100, 25}, "Сохранить", ""});
  int clicks = 0;
  button.onClick = [&] { ++clicks; };
  EXPECT_EQ(textOf(hwndOf(button)), L"Сохранить");
  SendMessageW(hwndOf(button), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  button.setCaption("Продолжить работу службы");
  EXPECT_EQ(textOf(hwndOf(button)), L"Продолжить работу службы");
}

TEST_F(ButtonsTest, CheckBoxFollowsUserAndProgram) {
  ui::GroupBox& group =
      windows.createGroupBox(form, {"gb", {5, 5, 300, 90}, "Группа", ""});
  ui::CheckBox& box = windows.createCheckBox(
      group, {"cb_connsound", {10, 20, 200, 17}, "Звук при подключении", ""},
      false);
  int clicks = 0;
  box.onClick = [&] { ++clicks; };
  EXPECT_EQ(GetParent(hwndOf(box)), hwndOf(group));

  // Inside a group box too, the click reaches the box's own wrapper.
  SendMessageW(hwndOf(box), BM_CLICK, 0, 0);
  EXPECT_TRUE(box.checked());
  EXPECT_EQ(clicks, 1);
  EXPECT_NE(windows.registry().dump().find(
                R"("cb_connsound": {"kind": "checkbox", "enabled": true, )"
                R"("visible": true, "caption": "Звук при подключении", )"
                R"("checked": true, "bounds")"),
            std::string::npos)
      << windows.registry().dump();

  box.setChecked(false);
  EXPECT_EQ(SendMessageW(hwndOf(box), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(clicks, 2);
  box.setChecked(false);
  EXPECT_EQ(clicks, 2);

  box.setEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(hwndOf(box)));
  box.setVisible(false);
  EXPECT_FALSE(IsWindowVisible(hwndOf(box)));
}

TEST_F(ButtonsTest, LabelAndGroupCaptionsShow) {
  ui::GroupBox& group = windows.createGroupBox(
      form, {"gb_traffic", {5, 5, 200, 80}, "Траффик", ""});
  ui::Label& label =
      windows.createLabel(group, {"l_in", {10, 20, 150, 17}, "Входящий", ""});
  EXPECT_EQ(textOf(hwndOf(group)), L"Траффик");
  label.setCaption("Входящий: 15 Кб");
  EXPECT_EQ(textOf(hwndOf(label)), L"Входящий: 15 Кб");
  label.setBounds({10, 40, 160, 17});
  RECT rect;
  GetWindowRect(hwndOf(label), &rect);
  MapWindowPoints(nullptr, hwndOf(group), reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 10);
  EXPECT_EQ(rect.top, 40);
  EXPECT_EQ(rect.right - rect.left, 160);
}

TEST_F(ButtonsTest, EditTakesTypingAndKeys) {
  ui::Edit& edit = windows.createEdit(form, {"Edit1", {5, 5, 150, 21}, "", ""});
  int changes = 0;
  std::string keys;
  edit.onChange = [&] { ++changes; };
  edit.onKeyPress = [&](char key) { keys += key; };
  const HWND hwnd = hwndOf(edit);

  for (wchar_t typed : std::wstring(L"srv-ж"))
    SendMessageW(hwnd, WM_CHAR, typed, 0);
  EXPECT_EQ(edit.text(), "srv-ж");
  EXPECT_EQ(changes, 5);
  EXPECT_EQ(keys, "srv-");  // keys the form can take are ASCII

  SendMessageW(hwnd, WM_CHAR, L'\r', 0);
  EXPECT_EQ(keys, "srv-\r");
  EXPECT_EQ(edit.text(), "srv-ж");  // Enter types nothing

  edit.setText("\\\\БУХ-1");
  EXPECT_EQ(textOf(hwnd), L"\\\\БУХ-1");
  EXPECT_EQ(changes, 6);

  int doubleClicks = 0;
  edit.onDblClick = [&] { ++doubleClicks; };
  SendMessageW(hwnd, WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(doubleClicks, 1);
}

TEST_F(ButtonsTest, SpinEditKeepsItsRange) {
  ui::SpinEdit& spin = windows.createSpinEdit(
      form, {{"tobnovl", {5, 5, 80, 21}, "", ""}, 100, 60000, 100, 1000});
  const HWND edit = hwndOf(spin);
  const HWND upDown =
      FindWindowExW(hwndOf(form), nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_NE(upDown, nullptr);
  EXPECT_EQ(textOf(edit), L"1000");
  int changes = 0;
  spin.onChange = [&] { ++changes; };

  SetWindowTextW(edit, L"250");
  EXPECT_EQ(spin.value(), 250);
  EXPECT_EQ(changes, 1);

  // Typed past the top: the value stops at it, and the box shows it once
  // the focus leaves.
  SetWindowTextW(edit, L"99999");
  EXPECT_EQ(spin.value(), 60000);
  SetWindowTextW(edit, L"abc");
  EXPECT_EQ(spin.value(), 60000);
  SetFocus(edit);
  SetFocus(hwndOf(form));
  EXPECT_EQ(textOf(edit), L"60000");

  spin.setValue(300);
  EXPECT_EQ(textOf(edit), L"300");
  EXPECT_EQ(SendMessageW(upDown, UDM_GETPOS32, 0, 0), 300);

  // The arrows step by 100 and stay in range.
  SendMessageW(upDown, UDM_SETPOS32, 0, 60000);
  EXPECT_EQ(SendMessageW(upDown, UDM_GETPOS32, 0, 0), 60000);
  spin.setEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(upDown));
}

TEST_F(ButtonsTest, HotKeyFieldTranslatesModifiers) {
  constexpr uint16_t kAltF11 = 0x8000 | VK_F11;
  ui::HotKey& field =
      windows.createHotKey(form, {"hk1", {5, 5, 100, 21}, "", ""}, kAltF11);
  const HWND hwnd = hwndOf(field);
  EXPECT_EQ(SendMessageW(hwnd, HKM_GETHOTKEY, 0, 0),
            MAKEWORD(VK_F11, HOTKEYF_ALT));
  int changes = 0;
  field.onChange = [&] { ++changes; };

  SendMessageW(hwnd, HKM_SETHOTKEY,
               MAKEWORD('A', HOTKEYF_CONTROL | HOTKEYF_SHIFT), 0);
  notifyParent(hwnd, EN_CHANGE);
  EXPECT_EQ(field.value(), 0x4000 | 0x2000 | 'A');
  EXPECT_EQ(changes, 1);

  field.setValue(0x8000 | VK_F12);
  EXPECT_EQ(SendMessageW(hwnd, HKM_GETHOTKEY, 0, 0),
            MAKEWORD(VK_F12, HOTKEYF_ALT));
  EXPECT_EQ(changes, 2);
}

TEST_F(ButtonsTest, ComboBoxChoiceAndTyping) {
  ui::ComboBox& combo =
      windows.createComboBox(form, {{"cb_iface", {5, 5, 200, 21}, "", ""},
                                    {"Realtek PCIe GBE", "Беспроводная сеть"},
                                    0});
  const HWND hwnd = hwndOf(combo);
  EXPECT_EQ(SendMessageW(hwnd, CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(textOf(hwnd), L"Realtek PCIe GBE");
  int changes = 0;
  combo.onChange = [&] { ++changes; };

  // The program's choice runs no event.
  combo.setItemIndex(1);
  EXPECT_EQ(SendMessageW(hwnd, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(textOf(hwnd), L"Беспроводная сеть");
  combo.setText("Realtek PCIe GBE");
  EXPECT_EQ(combo.itemIndex(), 0);
  EXPECT_EQ(changes, 0);

  // The user's choice and typing do.
  SendMessageW(hwnd, CB_SETCURSEL, 1, 0);
  notifyParent(hwnd, CBN_SELCHANGE);
  EXPECT_EQ(combo.itemIndex(), 1);
  EXPECT_EQ(combo.text(), "Беспроводная сеть");
  SetWindowTextW(hwnd, L"ppp0");
  notifyParent(hwnd, CBN_EDITCHANGE);
  EXPECT_EQ(combo.text(), "ppp0");
  EXPECT_EQ(combo.itemIndex(), -1);
  EXPECT_EQ(changes, 2);
}

TEST_F(ButtonsTest, RadioGroupClickChoosesAnItem) {
  ui::RadioGroup& group = windows.createRadioGroup(
      form, {{"rg_event", {5, 5, 200, 80}, "Событие", ""},
             {"Подключился", "Открыл файл", "Отключился"},
             0});
  std::vector<HWND> buttons;
  for (HWND child = GetWindow(hwndOf(group), GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT))
    buttons.push_back(child);
  ASSERT_EQ(buttons.size(), 3u);
  EXPECT_EQ(textOf(buttons[1]), L"Открыл файл");
  EXPECT_EQ(SendMessageW(buttons[0], BM_GETCHECK, 0, 0), BST_CHECKED);
  int clicks = 0;
  group.onClick = [&] { ++clicks; };

  SendMessageW(buttons[2], BM_CLICK, 0, 0);
  EXPECT_EQ(group.itemIndex(), 2);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(SendMessageW(buttons[0], BM_GETCHECK, 0, 0), BST_UNCHECKED);

  group.setItemIndex(1);
  EXPECT_EQ(SendMessageW(buttons[1], BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(buttons[2], BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace ov::win32
