// The main window, its pages, status bar and menus.
#include <stdexcept>

#include "platform/win32/menu.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/shortcut.h"
#include "tests/wine/win32/win32_test.h"

namespace ov::win32 {
namespace {

using FormTest = Win32Test;

// What the error boxes said; each is closed as soon as it shows, and the
// message loop then ends when asked to.
std::wstring errorBoxesSeen;
bool quitAfterErrorBox = false;

void CALLBACK closeErrorBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindWindowW(L"#32770", L"Orvane");
  if (!box) return;
  for (HWND child = GetWindow(box, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[32];
    GetClassNameW(child, className, 32);
    wchar_t text[256];
    const int length = GetWindowTextW(child, text, 256);
    if (std::wstring(className) == L"Static" && length > 0)
      errorBoxesSeen += std::wstring(text, length) + L"|";
  }
  KillTimer(nullptr, timer);
  SendMessageW(box, WM_COMMAND, IDOK, 0);
  if (quitAfterErrorBox) PostQuitMessage(7);
}

TEST_F(FormTest, AnErrorInAHandlerIsShownAndTheProgramGoesOn) {
  errorBoxesSeen.clear();
  ui::Button& button =
      windows.createButton(form, {"b_addrule", {5, 5, 100, 25}, "+", ""});
  int clicks = 0;
  button.onClick = [&] {
    ++clicks;
    if (clicks == 1) throw std::out_of_range("нет такой строки");
    if (clicks == 3) throw 42;
  };
  SetTimer(nullptr, 0, 50, closeErrorBox);
  SendMessageW(hwndOf(button), BM_CLICK, 0, 0);
  EXPECT_EQ(errorBoxesSeen, L"нет такой строки|");
  SendMessageW(hwndOf(button), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 2);

  // A click the message loop delivers; an error of any kind.
  quitAfterErrorBox = true;
  SetTimer(nullptr, 0, 50, closeErrorBox);
  PostMessageW(hwndOf(button), BM_CLICK, 0, 0);
  EXPECT_EQ(runMessageLoop(windows), 7);
  quitAfterErrorBox = false;
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(errorBoxesSeen, L"нет такой строки|Неизвестная ошибка|");
}

TEST_F(FormTest, TheWindowKeepsItsSmallestSize) {
  form.setSmallestSize(400, 100);
  form.setBounds({10, 20, 100, 50});
  RECT rect;
  GetWindowRect(hwndOf(form), &rect);
  EXPECT_EQ(rect.right - rect.left, 400);
  EXPECT_EQ(rect.bottom - rect.top, 100);
  // The system asks the window how far a user may drag its frame.
  MINMAXINFO limits{};
  SendMessageW(hwndOf(form), WM_GETMINMAXINFO, 0,
               reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(limits.ptMinTrackSize.x, 400);
  EXPECT_EQ(limits.ptMinTrackSize.y, 100);
}

TEST_F(FormTest, CaptionSizeAndResizeNotice) {
  EXPECT_EQ(textOf(hwndOf(form)), L"Orvane");
  form.setCaption("Orvane — сервер");
  EXPECT_EQ(textOf(hwndOf(form)), L"Orvane — сервер");

  int resizes = 0;
  ui::Rect clientSeen;
  form.onResize = [&] {
    ++resizes;
    clientSeen = form.clientRect();
  };
  form.setBounds({10, 20, 640, 400});
  EXPECT_EQ(resizes, 1);
  RECT client;
  GetClientRect(hwndOf(form), &client);
  EXPECT_EQ(clientSeen.width, client.right);
  EXPECT_EQ(clientSeen.height, client.bottom);
  EXPECT_EQ(form.bounds().width, 640);

  // The user's resizing reaches the form too.
  SetWindowPos(hwndOf(form), nullptr, 0, 0, 700, 450,
               SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(resizes, 2);
  EXPECT_EQ(form.bounds().width, 700);
  EXPECT_EQ(form.bounds().height, 450);
}

TEST_F(FormTest, WindowStatesShow) {
  form.setWindowState(ui::WindowState::minimized);
  EXPECT_TRUE(IsIconic(hwndOf(form)));
  EXPECT_EQ(form.windowState(), ui::WindowState::minimized);
  form.setWindowState(ui::WindowState::normal);
  EXPECT_FALSE(IsIconic(hwndOf(form)));
  EXPECT_TRUE(IsWindowVisible(hwndOf(form)));
  form.setWindowState(ui::WindowState::hidden);
  EXPECT_FALSE(IsWindowVisible(hwndOf(form)));
  form.setBounds({0, 0, 600, 380});
  EXPECT_EQ(form.windowState(), ui::WindowState::hidden);
  EXPECT_NE(windows.registry().dump().find(R"("state": "hidden")"),
            std::string::npos);
}

TEST_F(FormTest, CloseRunsTheCloseQueryAndEndsTheLoop) {
  bool allow = false;
  int queries = 0;
  form.onCloseQuery = [&] {
    ++queries;
    return allow;
  };
  form.close();
  EXPECT_FALSE(pumpMessages());
  EXPECT_EQ(queries, 1);
  EXPECT_TRUE(IsWindow(hwndOf(form)));
  EXPECT_FALSE(form.closed());

  allow = true;
  const HWND hwnd = hwndOf(form);
  SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box
  EXPECT_TRUE(pumpMessages());
  EXPECT_EQ(queries, 2);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_TRUE(form.closed());
}

TEST_F(FormTest, PagesShowOnlyTheActiveOne) {
  ui::PageControl& pages = windows.createPageControl(
      form, {{"stranichki", {0, 0, 590, 300}, "", ""},
             {"Подключения", "Безопасность", "Ресурсы"}});
  ui::Label& label = windows.createLabel(
      pages.page(1), {"l1", {5, 5, 100, 17}, "Правила", ""});
  const HWND tabs = hwndOf(pages);
  auto pageWindow = [&](int index) {
    return dynamic_cast<NativeWindow&>(pages.page(index)).hwnd();
  };
  EXPECT_EQ(TabCtrl_GetItemCount(tabs), 3);
  EXPECT_EQ(GetParent(hwndOf(label)), pageWindow(1));
  EXPECT_TRUE(IsWindowVisible(pageWindow(0)));
  EXPECT_FALSE(IsWindowVisible(pageWindow(1)));
  int changes = 0;
  pages.onChange = [&] { ++changes; };

  pages.setActivePage(1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 1);
  EXPECT_TRUE(IsWindowVisible(hwndOf(label)));
  EXPECT_FALSE(IsWindowVisible(pageWindow(0)));

  // A click on a tab.
  TabCtrl_SetCurSel(tabs, 2);
  NMHDR header{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)),
               static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(GetParent(tabs), WM_NOTIFY, header.idFrom,
               reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(pages.activePage(), 2);
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(IsWindowVisible(pageWindow(2)));
  EXPECT_FALSE(IsWindowVisible(pageWindow(1)));

  // The pages fill the tabs' display area.
  pages.setBounds({0, 0, 500, 250});
  RECT area{0, 0, 500, 250};
  TabCtrl_AdjustRect(tabs, FALSE, &area);
  EXPECT_EQ(pages.page(2).bounds().width, area.right - area.left);
}

TEST_F(FormTest, StatusBarPanelsShowText) {
  ui::StatusBar& bar =
      windows.createStatusBar(form, {{"sb", {}, "", ""}, {400, 40}});
  const HWND hwnd = hwndOf(bar);
  EXPECT_EQ(SendMessageW(hwnd, SB_GETPARTS, 0, 0), 2);
  bar.setPanelText(1, "Работаем: 00:00:05       ");
  wchar_t text[64] = L"";
  SendMessageW(hwnd, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"Работаем: 00:00:05       ");
}

class MenuTest : public Win32Test {
 protected:
  MenuTest() {
    ui::MenuItem& file = mainMenu.addItem(nullptr, {"N1", "&Файл"});
    save = &mainMenu.addItem(&file,
                             {"mnu_savecfg", "Сохр. &конфигурацию", "Ctrl+S"});
    mainMenu.addItem(&file, {"N5", "-"});
    exitItem = &mainMenu.addItem(&file, {"mnu_exit", "В&ыход", "F3"});
    form.setMainMenu(mainMenu);
    fileMenu = GetSubMenu(GetMenu(hwndOf(form)), 0);
  }
  std::wstring itemText(int position) {
    wchar_t text[128] = L"";
    GetMenuStringW(fileMenu, position, text, 128, MF_BYPOSITION);
    return text;
  }
  UINT itemState(int position) {
    return GetMenuState(fileMenu, position, MF_BYPOSITION);
  }

  ui::Menu& mainMenu = windows.createMenu("MainMenu1", false);
  ui::MenuItem* save;
  ui::MenuItem* exitItem;
  HMENU fileMenu;
};

TEST_F(MenuTest, ItemsShowCaptionsShortcutsAndStates) {
  ASSERT_NE(fileMenu, nullptr);
  EXPECT_EQ(GetMenuItemCount(fileMenu), 3);
  EXPECT_EQ(itemText(0), L"Сохр. &конфигурацию\tCtrl+S");
  EXPECT_TRUE(itemState(1) & MF_SEPARATOR);
  save->setChecked(true);
  EXPECT_TRUE(itemState(0) & MF_CHECKED);
  save->setEnabled(false);
  EXPECT_TRUE(itemState(0) & MF_GRAYED);
  save->setCaption("Сохранить");
  EXPECT_EQ(itemText(0), L"Сохранить\tCtrl+S");
  EXPECT_TRUE(itemState(0) & MF_CHECKED);
}

TEST_F(MenuTest, ChoosingAnItemRunsItsHandler) {
  int saves = 0;
  int exits = 0;
  save->onClick = [&] { ++saves; };
  exitItem->onClick = [&] { ++exits; };
  SendMessageW(hwndOf(form), WM_COMMAND, GetMenuItemID(fileMenu, 0), 0);
  EXPECT_EQ(saves, 1);

  MSG key{hwndOf(form), WM_KEYDOWN, VK_F3, 0};
  EXPECT_TRUE(windows.translateAccelerator(key));
  EXPECT_EQ(exits, 1);
  MSG other{hwndOf(form), WM_KEYDOWN, VK_F5, 0};
  EXPECT_FALSE(windows.translateAccelerator(other));

  save->setEnabled(false);
  SendMessageW(hwndOf(form), WM_COMMAND, GetMenuItemID(fileMenu, 0), 0);
  EXPECT_EQ(saves, 1);
}

TEST_F(MenuTest, PopupMenuKnowsItsItems) {
  auto& popup = dynamic_cast<Menu&>(windows.createMenu("PopupMenu3", true));
  ui::MenuItem& columns = popup.addItem(nullptr, {"N32", "Столбцы..."});
  ui::MenuItem& toggle =
      popup.addItem(&columns, {"N33", "Компьютер", "", false, true});
  popup.addItem(nullptr, {"N9", "Открыть", "", true});
  int toggles = 0;
  toggle.onClick = [&] { ++toggles; };

  const HMENU sub = GetSubMenu(popup.handle(), 0);
  ASSERT_NE(sub, nullptr);
  EXPECT_TRUE(GetMenuState(sub, 0, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_EQ(GetMenuDefaultItem(popup.handle(), TRUE, 0), 1u);
  EXPECT_TRUE(popup.runCommand(GetMenuItemID(sub, 0)));
  EXPECT_EQ(toggles, 1);
  EXPECT_FALSE(popup.runCommand(GetMenuItemID(fileMenu, 0)));
}

TEST(ShortcutTest, TextsBecomeAccelerators) {
  const auto ctrlS = parseShortcut("Ctrl+S", 100);
  ASSERT_TRUE(ctrlS);
  EXPECT_EQ(ctrlS->fVirt, FVIRTKEY | FCONTROL);
  EXPECT_EQ(ctrlS->key, 'S');
  EXPECT_EQ(ctrlS->cmd, 100);
  const auto altF11 = parseShortcut("Alt+F11", 7);
  ASSERT_TRUE(altF11);
  EXPECT_EQ(altF11->fVirt, FVIRTKEY | FALT);
  EXPECT_EQ(altF11->key, VK_F11);
  EXPECT_EQ(parseShortcut("Shift+Del", 1)->key, VK_DELETE);
  EXPECT_FALSE(parseShortcut("", 1));
  EXPECT_FALSE(parseShortcut("Ctrl+", 1));
  EXPECT_FALSE(parseShortcut("Hyper+S", 1));
  EXPECT_FALSE(parseShortcut("F25", 1));
}

}  // namespace
}  // namespace ov::win32
