#include "platform/win32/page_control.h"

#include <commctrl.h>

#include "platform/win32/window_text.h"

namespace ov::win32 {

Page::Page(HWND tabs, const std::string& caption)
    : NativeControl(ui::ControlArgs{"", {}, caption, ""}) {
  createOwn({.className = kPanelClass,
             .style = WS_CHILD | WS_CLIPSIBLINGS,
             .parent = tabs});
}

PageControl::PageControl(HWND parent, const ui::PageArgs& args)
    : NativeControl(args) {
  // Flat buttons for tabs, in several rows when they need them.
  createControl({.className = WC_TABCONTROLW,
                 .style = kChildStyle | WS_TABSTOP | WS_CLIPCHILDREN |
                          TCS_BUTTONS | TCS_FLATBUTTONS | TCS_MULTILINE |
                          TCS_HOTTRACK,
                 .parent = parent,
                 .bounds = args.control.bounds});
  for (int index = 0; index < pageCount(); ++index) {
    std::wstring caption = wideText(pageCaption(index));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    TabCtrl_InsertItem(hwnd(), index, &item);
    pages_.push_back(std::make_unique<Page>(hwnd(), pageCaption(index)));
  }
  placePages();
  showActivePage();
}

ui::Container& PageControl::page(int index) { return *pages_.at(index); }

void PageControl::setActivePage(int index) {
  NativeControl::setActivePage(index);
  showActivePage();
}

void PageControl::setBounds(ui::Rect bounds) {
  NativeControl::setBounds(bounds);
  placePages();
}

bool PageControl::onNotify(const NMHDR& header, LRESULT&) {
  if (header.code != TCN_SELCHANGE) return false;
  NativeControl::setActivePage(TabCtrl_GetCurSel(hwnd()));
  showActivePage();
  return true;
}

void PageControl::placePages() {
  RECT area;
  GetClientRect(hwnd(), &area);
  TabCtrl_AdjustRect(hwnd(), FALSE, &area);
  for (auto& page : pages_)
    page->setBounds(
        {area.left, area.top, area.right - area.left, area.bottom - area.top});
}

void PageControl::showActivePage() {
  TabCtrl_SetCurSel(hwnd(), activePage());
  for (int index = 0; index < pageCount(); ++index)
    ShowWindow(pages_[index]->hwnd(),
               index == activePage() ? SW_SHOWNA : SW_HIDE);
}

}  // namespace ov::win32
