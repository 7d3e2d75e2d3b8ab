#pragma once
// A read-only report view, optionally with check boxes. The rows stay in
// the order the program gives them, so indexes match the in-memory list.
#include "platform/headless/controls.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

class ListView : public NativeControl<headless::ListView> {
 public:
  ListView(HWND parent, const ui::ListViewArgs& args);
  void setBounds(ui::Rect bounds) override;
  void setColumns(const std::vector<ui::ListColumn>& columns) override;
  void setColumnWidth(int column, int width) override;
  int addItem(const ui::ListItem& item) override;
  void setItem(int index, const ui::ListItem& item) override;
  void deleteItem(int index) override;
  void clear() override;
  void setSelected(int index) override;
  void setChecked(int index, bool checked) override;
  void scrollLineDown() override;
  bool onNotify(const NMHDR& header, LRESULT& result) override;
  bool onContextMenu(POINT screen) override;

 private:
  void showColumns();
  void showColumnWidths();
  void showItem(int index, bool inserting);
  void showSelection();
  // Notices caused by the program's own changes are not the user's.
  bool pushing_ = false;
};

}  // namespace ov::win32
