#include "platform/win32/list_view.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/gui_style.h"
#include "platform/win32/menu.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

namespace {

class Pushing {
 public:
  explicit Pushing(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
  ~Pushing() { flag_ = before_; }

 private:
  bool& flag_;
  bool before_;
};

void setCell(HWND hwnd, int index, int column, const std::string& text) {
  std::wstring wide = wideText(text);
  ListView_SetItemText(hwnd, index, column, wide.data());
}

}  // namespace

ListView::ListView(HWND parent, const ui::ListViewArgs& args)
    : NativeControl(args) {
  createControl({.className = WC_LISTVIEWW,
                 .style = kChildStyle | WS_TABSTOP | LVS_REPORT |
                          LVS_SHOWSELALWAYS | LVS_SINGLESEL,
                 .exStyle = WS_EX_CLIENTEDGE,
                 .parent = parent,
                 .bounds = args.control.bounds});
  ListView_SetExtendedListViewStyle(
      hwnd(),
      LVS_EX_FULLROWSELECT | (args.checkBoxes ? LVS_EX_CHECKBOXES : DWORD{0}));
  ListView_SetBkColor(hwnd(), kSilver);
  ListView_SetTextBkColor(hwnd(), kSilver);
  showColumns();
}

void ListView::setBounds(ui::Rect bounds) {
  NativeControl::setBounds(bounds);
  showColumnWidths();
}

void ListView::setColumns(const std::vector<ui::ListColumn>& columns) {
  NativeControl::setColumns(columns);
  showColumns();
}

void ListView::setColumnWidth(int column, int width) {
  NativeControl::setColumnWidth(column, width);
  showColumnWidths();
}

int ListView::addItem(const ui::ListItem& item) {
  const int index = NativeControl::addItem(item);
  showItem(index, true);
  return index;
}

void ListView::setItem(int index, const ui::ListItem& item) {
  NativeControl::setItem(index, item);
  if (index >= 0 && index < count()) showItem(index, false);
}

void ListView::deleteItem(int index) {
  NativeControl::deleteItem(index);
  Pushing pushing(pushing_);
  ListView_DeleteItem(hwnd(), index);
  // Setting the selection touches every row: a history list dropping its
  // oldest row at each new one would crawl.
  if (ListView_GetNextItem(hwnd(), -1, LVNI_SELECTED) != selected())
    showSelection();
}

void ListView::clear() {
  NativeControl::clear();
  Pushing pushing(pushing_);
  ListView_DeleteAllItems(hwnd());
}

void ListView::setSelected(int index) {
  NativeControl::setSelected(index);
  showSelection();
}

void ListView::showSelection() {
  Pushing pushing(pushing_);
  ListView_SetItemState(hwnd(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (selected() >= 0) {
    ListView_SetItemState(hwnd(), selected(), LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(hwnd(), selected(), FALSE);
  }
}

void ListView::setChecked(int index, bool checked) {
  NativeControl::setChecked(index, checked);
  Pushing pushing(pushing_);
  ListView_SetCheckState(hwnd(), index, checked);
}

void ListView::scrollLineDown() {
  NativeControl::scrollLineDown();
  SendMessageW(hwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
}

bool ListView::onNotify(const NMHDR& header, LRESULT&) {
  if (header.code == NM_DBLCLK && onDblClick) onDblClick();
  if (header.code != LVN_ITEMCHANGED || pushing_) return false;
  const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
  if (!(change.uChanged & LVIF_STATE) || change.iItem < 0) return false;
  const UINT changed = change.uNewState ^ change.uOldState;
  if (changed & LVIS_STATEIMAGEMASK)
    NativeControl::setChecked(change.iItem,
                              ListView_GetCheckState(hwnd(), change.iItem));
  if ((change.uNewState & LVIS_SELECTED) && (changed & LVIS_SELECTED))
    NativeControl::setSelected(change.iItem);
  else if ((changed & LVIS_SELECTED) && selected() == change.iItem)
    NativeControl::setSelected(-1);
  return false;
}

bool ListView::onContextMenu(POINT screen) {
  return showPopupMenu(popupMenu(), *this, hwnd(), screen);
}

void ListView::showColumns() {
  while (ListView_DeleteColumn(hwnd(), 0)) {
  }
  int index = 0;
  for (const auto& column : columns()) {
    std::wstring caption = wideText(column.caption);
    LVCOLUMNW lvc{};
    lvc.mask = LVCF_TEXT | LVCF_WIDTH;
    lvc.pszText = caption.data();
    lvc.cx = column.width;
    ListView_InsertColumn(hwnd(), index++, &lvc);
  }
  showColumnWidths();
}

void ListView::showColumnWidths() {
  // A column of width -1 takes what the others leave of the view.
  RECT client;
  GetClientRect(hwnd(), &client);
  int rest = client.right;
  for (const auto& column : columns())
    if (column.width > 0) rest -= column.width;
  int index = 0;
  for (const auto& column : columns())
    ListView_SetColumnWidth(
        hwnd(), index++, column.width < 0 ? std::max(rest, 20) : column.width);
}

void ListView::showItem(int index, bool inserting) {
  Pushing pushing(pushing_);
  const ui::ListItem& data = item(index);
  if (inserting) {
    std::wstring caption = wideText(data.caption);
    LVITEMW lvi{};
    lvi.mask = LVIF_TEXT;
    lvi.iItem = index;
    lvi.pszText = caption.data();
    ListView_InsertItem(hwnd(), &lvi);
  } else {
    setCell(hwnd(), index, 0, data.caption);
  }
  for (size_t sub = 0; sub < data.subItems.size(); ++sub)
    setCell(hwnd(), index, static_cast<int>(sub) + 1, data.subItems[sub]);
  if (ListView_GetExtendedListViewStyle(hwnd()) & LVS_EX_CHECKBOXES)
    ListView_SetCheckState(hwnd(), index, data.checked);
}

}  // namespace ov::win32
