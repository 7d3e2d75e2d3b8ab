#pragma once
// The main window TForm1: its controls, by the names the program gives
// them, and its event handlers.
#include <memory>

#include "app/services.h"
#include "platform/clock.h"
#include "platform/ui.h"

namespace ov {

class TForm1 {
 public:
  // Builds the window from its layout, then runs FormCreate.
  explicit TForm1(Services& services);
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  ui::Form& window() { return *Form1; }

  // Event handlers.
  void FormCreate();
  bool FormCloseQuery();
  void Timer1Timer();
  void Timer3Timer();
  void mnu_exitClick();

  // Controls.
  ui::Form* Form1 = nullptr;
  ui::PageControl* stranichki = nullptr;
  ui::StringGrid* st_conns = nullptr;
  ui::StringGrid* st_files = nullptr;
  ui::ListBox* ListBox4 = nullptr;
  ui::GroupBox* gb_resources = nullptr;
  ui::ListView* lv_connhist = nullptr;
  ui::ListView* lv_fileshist = nullptr;
  ui::StatusBar* sb = nullptr;
  ui::Menu* MainMenu1 = nullptr;
  ui::MenuItem* mnu_exit = nullptr;
  std::unique_ptr<Timer> Timer1;
  std::unique_ptr<Timer> Timer3;

  // Seconds counted by Timer1 since start.
  uint32_t UptimeSeconds = 0;

 private:
  void buildMainMenu();
  void buildConnectionsPage(ui::Container& page);
  void buildResourcesPage(ui::Container& page);
  void buildHistoryPage(ui::Container& page);
  void writeGridHeaders();

  Services& services_;
};

// The six pages of the main page control, in index order.
enum MainPage {
  kPageConnections = 0,
  kPageSecurity = 1,
  kPageResources = 2,
  kPageSettings = 3,
  kPageStatistics = 4,
  kPageHistory = 5,
};

}  // namespace ov
