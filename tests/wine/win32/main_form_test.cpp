// The real main window on the Win32 controls at its default size: every
// control of every page lies inside the window's client area and inside its
// page, and the time column holds the time as this system writes it.
#include "tests/wine/win32/main_form.h"

namespace ov::win32 {
namespace {

// Every visible window under the page that sticks out of the client area.
std::vector<std::wstring> outside(HWND page, RECT client) {
  struct Search {
    RECT client;
    std::vector<std::wstring> found;
  } search{client, {}};
  EnumChildWindows(
      page,
      [](HWND child, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        RECT r;
        if (!IsWindowVisible(child) || !GetWindowRect(child, &r)) return TRUE;
        if (r.left < s.client.left || r.top < s.client.top ||
            r.right > s.client.right || r.bottom > s.client.bottom) {
          wchar_t text[128] = L"";
          GetWindowTextW(child, text, 128);
          wchar_t kind[64] = L"";
          GetClassNameW(child, kind, 64);
          s.found.push_back(std::wstring(kind) + L" '" + text + L"' " +
                            std::to_wstring(r.left - s.client.left) + L"," +
                            std::to_wstring(r.top - s.client.top) + L"-" +
                            std::to_wstring(r.right - s.client.left) + L"," +
                            std::to_wstring(r.bottom - s.client.top));
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST(MainFormOnWine, EveryControlOfEveryPageLiesInsideTheClientArea) {
  MainForm main;
  TForm1& form = main.form;
  form.mainWindow().Form1.setWindowState(ui::WindowState::normal);
  pumpMessages();
  HWND window = windowOf(form.mainWindow().Form1);
  RECT client;
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  for (int page = 0; page < form.mainWindow().stranichki.pageCount(); ++page) {
    form.mainWindow().stranichki.setActivePage(page);
    pumpMessages();
    HWND pageWindow = windowOf(form.mainWindow().stranichki.page(page));
    // Inside the page too: the page control's frame would cut the rest.
    RECT pageRect;
    RECT shown;
    GetWindowRect(pageWindow, &pageRect);
    IntersectRect(&shown, &client, &pageRect);
    EXPECT_EQ(outside(pageWindow, shown), std::vector<std::wstring>{})
        << "page " << page << " client " << client.right - client.left << "x"
        << client.bottom - client.top;
  }
}

TEST(MainFormOnWine, TheTimeColumnHoldsTheTimeAsThisSystemWritesIt) {
  MainForm main;
  const std::string now = main.locale.longTime({2026, 1, 1, 10, 58, 58, 0, 4});
  ui::StringGrid& conns = main.form.connectionsPage().st_conns;
  EXPECT_LE(conns.textWidth(now) + 2, conns.colWidth(7)) << now;
}

}  // namespace
}  // namespace ov::win32
