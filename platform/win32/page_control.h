#pragma once
// Tabs over pages: each page is a child window of its own that shows when
// its tab is chosen.
#include <memory>
#include <vector>

#include "platform/headless/controls.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

class Page : public NativeControl<headless::Page> {
 public:
  Page(HWND tabs, const std::string& caption);
};

class PageControl : public NativeControl<headless::PageControl> {
 public:
  PageControl(HWND parent, const ui::PageArgs& args);
  ui::Container& page(int index) override;
  void setActivePage(int index) override;
  void setBounds(ui::Rect bounds) override;
  bool onNotify(const NMHDR& header, LRESULT& result) override;

 private:
  void placePages();
  void showActivePage();

  std::vector<std::unique_ptr<Page>> pages_;
};

}  // namespace ov::win32
