// Every text of the main window's pages and of every dialog can be read
// whole at the default sizes, in the real fonts: none wider than its
// control gives it, none covered, no control out of its parent.
#include "tests/wine/win32/text_fit.h"

#include "tests/wine/win32/main_form.h"
// (after the system's headers)
#include <functional>

#include "platform/headless/image.h"
#include "platform/win32/native_window.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {
namespace {

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n  " + line;
  return text;
}

TEST(TextsOnWine, EveryPageShowsItsTextsWhole) {
  MainForm main;
  TForm1& form = main.form;
  form.mainWindow().Form1.setWindowState(ui::WindowState::normal);
  pumpMessages();
  // Each page, and each tab of the security page's own page control.
  const auto walk = [](ui::PageControl& pages) {
    for (int page = 0; page < pages.pageCount(); ++page) {
      pages.setActivePage(page);
      pumpMessages();
      const auto cut = cutTexts(windowOf(pages.page(page)));
      EXPECT_TRUE(cut.empty()) << "page " << page << " '"
                               << pages.pageCaption(page) << "'" << joined(cut);
    }
  };
  walk(form.mainWindow().stranichki);
  for (int page = 0; page < form.mainWindow().stranichki.pageCount(); ++page)
    if (IsChild(windowOf(form.mainWindow().stranichki.page(page)),
                windowOf(form.securityPage().PageControl1))) {
      form.mainWindow().stranichki.setActivePage(page);
      walk(form.securityPage().PageControl1);
    }
  // The grids' headers; their cells are cut on purpose, with a hint.
  for (ui::StringGrid* grid :
       {&form.connectionsPage().st_conns, &form.connectionsPage().st_files}) {
    std::vector<std::string> cut;
    for (int col = 0; col < grid->colCount(); ++col) {
      const std::string& header = grid->cell(col, 0);
      // The cell's text starts 2 pixels in; the grid line takes one.
      const int needs = grid->textWidth(header) + 3;
      if (needs > grid->colWidth(col))
        cut.push_back("'" + header + "': needs " + std::to_string(needs) +
                      ", has " + std::to_string(grid->colWidth(col)));
    }
    EXPECT_TRUE(cut.empty()) << grid->name() << joined(cut);
  }
}

TEST(TextsOnWine, TheGraphsTimeLabelsEndInsideThePicture) {
  MainForm main;
  main.form.DrawActivityGraph();
  const auto& image =
      dynamic_cast<const headless::Image&>(main.form.connectionsPage().Image1);
  ASSERT_EQ(image.texts().size(), 4u);
  for (const auto& label : image.texts())
    EXPECT_LE(label.at.x + image.textWidth(label.text), image.width())
        << label.text;
}

// What the walk found in the dialog that was open, and its caption.
std::vector<std::string> found;
std::string caption;

// From a timer of the dialog's loop: the owned window that is up is
// walked, then closed as its close box does.
void CALLBACK walkTheDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM out) -> BOOL {
        if (!IsWindowVisible(hwnd) || !GetWindow(hwnd, GW_OWNER)) return TRUE;
        *reinterpret_cast<HWND*>(out) = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&dialog));
  if (!dialog) return;
  KillTimer(nullptr, timer);
  wchar_t text[128] = L"";
  GetWindowTextW(dialog, text, 128);
  caption = utf8Text(text);
  found = cutTexts(dialog);
  PostMessageW(dialog, WM_CLOSE, 0, 0);
}

TEST(TextsOnWine, EveryDialogShowsItsTextsWhole) {
  MainForm main;
  TForm1& form = main.form;
  form.mainWindow().Form1.setWindowState(ui::WindowState::normal);
  pumpMessages();
  const std::vector<std::pair<std::string, std::function<void()>>> dialogs = {
      {"net sender", [&] { form.mnu_netsendClick(); }},
      {"pinger", [&] { form.mnu_pingerClick(); }},
      {"Настройки интерфейса", [&] { form.mnu_trafficClick(); }},
      {"Поиск в логе", [&] { form.N21Click(); }},
      {"Редактор ресурсов", [&] { form.addShareClick(); }},
      {"Добавить в лист",
       [&] {
         main.windows.inputBox("Добавить в лист", "Введите имя компьютера", "");
       }},
      {"О программе...", [&] { form.mnu_aboutClick(); }},
  };
  for (const auto& [expected, open] : dialogs) {
    found.clear();
    caption.clear();
    SetTimer(nullptr, 0, 50, walkTheDialog);
    open();
    pumpMessages();
    EXPECT_TRUE(caption.starts_with(expected)) << expected << ": " << caption;
    EXPECT_TRUE(found.empty()) << caption << joined(found);
  }
}

}  // namespace
}  // namespace ov::win32
