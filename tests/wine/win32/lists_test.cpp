// List boxes and report views: rows the program writes show in the window
// in the same order; the user's selection and check marks come back.
#include "tests/wine/win32/win32_test.h"

namespace ov::win32 {
namespace {

using ListsTest = Win32Test;

std::wstring listBoxText(HWND hwnd, int index) {
  wchar_t text[256];
  const auto length =
      SendMessageW(hwnd, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
  return length < 0 ? L"" : std::wstring(text, length);
}

std::wstring cellText(HWND hwnd, int item, int column) {
  wchar_t text[256] = L"";
  ListView_GetItemText(hwnd, item, column, text, 256);
  return text;
}

TEST_F(ListsTest, ListBoxMirrorsItemsAndSelection) {
  ui::ListBox& list =
      windows.createListBox(form, {"lb_comps", {5, 5, 120, 120}, "", ""});
  const HWND hwnd = hwndOf(list);
  for (const char* name : {"BUH-1", "SKLAD", "ЛАПТОП"}) list.addItem(name);
  EXPECT_EQ(SendMessageW(hwnd, LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(listBoxText(hwnd, 2), L"ЛАПТОП");

  list.setSelected(1);
  EXPECT_EQ(SendMessageW(hwnd, LB_GETCURSEL, 0, 0), 1);

  SendMessageW(hwnd, LB_SETCURSEL, 2, 0);
  notifyParent(hwnd, LBN_SELCHANGE);
  EXPECT_EQ(list.selected(), 2);

  list.deleteItem(0);
  EXPECT_EQ(SendMessageW(hwnd, LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(listBoxText(hwnd, 0), L"SKLAD");
  EXPECT_EQ(list.selected(), 1);
  EXPECT_EQ(SendMessageW(hwnd, LB_GETCURSEL, 0, 0), 1);
  list.deleteItem(1);
  EXPECT_EQ(list.selected(), -1);
  EXPECT_EQ(SendMessageW(hwnd, LB_GETCURSEL, 0, 0), LB_ERR);
  list.clear();
  EXPECT_EQ(SendMessageW(hwnd, LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(list.selected(), -1);
}

class ListViewTest : public Win32Test {
 protected:
  ui::ListView& shares = windows.createListView(
      form, {{"lv_shares", {5, 5, 400, 150}, "", ""},
             {{"Ресурс", 100}, {"Путь", -1}, {"Макс.подключений", 115}},
             true});
  HWND hwnd = hwndOf(shares);
};

TEST_F(ListViewTest, ItemsColumnsAndChecksShow) {
  shares.addItem({"Docs", {"D:\\Docs", "-1"}, true});
  shares.addItem({"Price", {"D:\\Price List", "5"}, false});
  EXPECT_EQ(ListView_GetItemCount(hwnd), 2);
  EXPECT_EQ(cellText(hwnd, 1, 1), L"D:\\Price List");
  EXPECT_TRUE(ListView_GetCheckState(hwnd, 0));
  EXPECT_FALSE(ListView_GetCheckState(hwnd, 1));

  // The path column takes what the other two leave.
  RECT client;
  GetClientRect(hwnd, &client);
  EXPECT_EQ(ListView_GetColumnWidth(hwnd, 1), client.right - 215);
  shares.setColumnWidth(2, 80);
  EXPECT_EQ(ListView_GetColumnWidth(hwnd, 2), 80);
  EXPECT_EQ(ListView_GetColumnWidth(hwnd, 1), client.right - 180);

  shares.setItem(1, {"Прайс", {"D:\\Прайс", "10"}, true});
  EXPECT_EQ(cellText(hwnd, 1, 0), L"Прайс");
  EXPECT_EQ(cellText(hwnd, 1, 2), L"10");
  EXPECT_TRUE(ListView_GetCheckState(hwnd, 1));

  shares.deleteItem(0);
  EXPECT_EQ(ListView_GetItemCount(hwnd), 1);
  EXPECT_EQ(cellText(hwnd, 0, 0), L"Прайс");
  // The program's own changes are not taken for the user's.
  EXPECT_TRUE(shares.item(0).checked);
  EXPECT_EQ(shares.selected(), -1);
}

TEST_F(ListViewTest, UserChecksAndSelectsRows) {
  for (const char* name : {"Docs", "Price", "HP1020", "Scan"})
    shares.addItem({name, {"", ""}, false});

  ListView_SetCheckState(hwnd, 1, TRUE);
  EXPECT_TRUE(shares.item(1).checked);
  ListView_SetItemState(hwnd, 2, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(shares.selected(), 2);
  ListView_SetItemState(hwnd, 2, 0, LVIS_SELECTED);
  EXPECT_EQ(shares.selected(), -1);

  shares.setSelected(2);
  shares.deleteItem(0);
  EXPECT_EQ(shares.selected(), 1);
  EXPECT_EQ(ListView_GetNextItem(hwnd, -1, LVNI_SELECTED), 1);
  shares.setSelected(0);
  EXPECT_EQ(ListView_GetNextItem(hwnd, -1, LVNI_SELECTED), 0);
  // "Price", checked by the user, moved up with the deletion.
  EXPECT_TRUE(ListView_GetCheckState(hwnd, 0));
  shares.setChecked(0, false);
  EXPECT_FALSE(ListView_GetCheckState(hwnd, 0));
  // Deleting the selected row leaves no row selected, in both.
  shares.addItem({"Extra", {"", ""}, false});
  shares.deleteItem(0);
  EXPECT_EQ(shares.selected(), -1);
  EXPECT_EQ(ListView_GetNextItem(hwnd, -1, LVNI_SELECTED), -1);

  int doubleClicks = 0;
  shares.onDblClick = [&] { ++doubleClicks; };
  NMITEMACTIVATE activate{};
  activate.hdr = {hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)),
                  static_cast<UINT>(NM_DBLCLK)};
  SendMessageW(GetParent(hwnd), WM_NOTIFY, activate.hdr.idFrom,
               reinterpret_cast<LPARAM>(&activate));
  EXPECT_EQ(doubleClicks, 1);

  shares.clear();
  EXPECT_EQ(ListView_GetItemCount(hwnd), 0);
}

TEST_F(ListViewTest, ColumnsCanBeReplaced) {
  shares.setColumns(
      {{"Компьютер", 120}, {"Файл", -1}, {"Время открытия", 150}});
  wchar_t caption[64] = L"";
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT;
  column.pszText = caption;
  column.cchTextMax = 64;
  ASSERT_TRUE(ListView_GetColumn(hwnd, 2, &column));
  EXPECT_STREQ(caption, L"Время открытия");
  EXPECT_FALSE(ListView_GetColumn(hwnd, 3, &column));
}

}  // namespace
}  // namespace ov::win32
