#pragma once
// Window-system port: the controls the main form is built from. Every
// control carries the component name the program gives it. Setters that a
// user could also cause (check, spin, text, page) fire the control's event
// when the state changes, as the form's handlers expect.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ov::ui {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct Point {
  int x = 0;
  int y = 0;
};

// A cell of a grid and its rectangle in the grid's client coordinates.
struct GridCell {
  int col = 0;
  int row = 0;
  Rect rect;
};

enum class WindowState { normal, minimized, maximized, hidden };

class Control {
 public:
  virtual ~Control() = default;
  virtual const std::string& name() const = 0;
  virtual void setEnabled(bool enabled) = 0;
  virtual bool enabled() const = 0;
  virtual void setVisible(bool visible) = 0;
  virtual bool visible() const = 0;
  virtual void setBounds(Rect bounds) = 0;
  virtual Rect bounds() const = 0;
};

// A control that holds other controls: the form, a page, a group box.
class Container : public Control {};

class MenuItem {
 public:
  virtual ~MenuItem() = default;
  virtual const std::string& name() const = 0;
  virtual void setCaption(const std::string& caption) = 0;
  virtual const std::string& caption() const = 0;
  virtual void setChecked(bool checked) = 0;
  virtual bool checked() const = 0;
  virtual void setEnabled(bool enabled) = 0;
  virtual bool enabled() const = 0;
  virtual void click() = 0;  // runs onClick, as choosing the item does
  std::function<void()> onClick;
};

struct MenuItemArgs {
  std::string name;
  std::string caption;   // "-" is a separator
  std::string shortcut;  // "Ctrl+S", "F3"; empty for none
  bool isDefault = false;
  bool checked = false;
};

// A main menu or a popup menu: items, some of which hold sub-items.
class Menu {
 public:
  virtual ~Menu() = default;
  virtual const std::string& name() const = 0;
  // parent null: a top-level item of this menu.
  virtual MenuItem& addItem(MenuItem* parent, const MenuItemArgs& args) = 0;
  // The control a popup menu was last opened over; null before the first
  // time. Its items act on that control.
  virtual Control* popupComponent() const = 0;
  virtual void setPopupComponent(Control* control) = 0;
};

class Form : public Container {
 public:
  virtual void setCaption(const std::string& caption) = 0;
  virtual const std::string& caption() const = 0;
  virtual void setWindowState(WindowState state) = 0;
  virtual WindowState windowState() const = 0;
  virtual void setMainMenu(Menu& menu) = 0;
  virtual Rect clientRect() const = 0;
  // The smallest outer size the window takes, whoever sizes it: the user,
  // the program or a damaged setting.
  virtual void setSmallestSize(int width, int height) = 0;
  // Closes the window as its main menu's exit does: the close query runs,
  // and when it agrees the window is gone and the program ends.
  virtual void close() = 0;
  virtual bool closed() const = 0;
  // The close box: the system's close command, which onSysCommand may take
  // instead of the window closing.
  virtual void closeBox() = 0;
  std::function<void()> onResize;
  // Returns whether the window may close.
  std::function<bool()> onCloseQuery;
  // A system command (low four bits masked off); returns whether it was
  // handled, so its default action does not follow.
  std::function<bool(unsigned command)> onSysCommand;
};

// The system commands of the close box and the system menu's "Close",
// of the minimise box, and of restoring a minimised window.
inline constexpr unsigned kSysCommandClose = 0xF060;
inline constexpr unsigned kSysCommandMinimize = 0xF020;
inline constexpr unsigned kSysCommandRestore = 0xF120;

class Label : public Control {
 public:
  virtual void setCaption(const std::string& caption) = 0;
  virtual const std::string& caption() const = 0;
  // The look of a link: its text colour (0xRRGGBB) and underline.
  virtual void setLinkStyle(uint32_t color, bool underline) = 0;
  std::function<void()> onClick;
  std::function<void()> onMouseEnter;
  std::function<void()> onMouseLeave;
};

class GroupBox : public Container {
 public:
  virtual void setCaption(const std::string& caption) = 0;
  virtual const std::string& caption() const = 0;
};

class Button : public Control {
 public:
  virtual void setCaption(const std::string& caption) = 0;
  virtual const std::string& caption() const = 0;
  virtual void click() = 0;
  std::function<void()> onClick;
};

class CheckBox : public Control {
 public:
  virtual void setCaption(const std::string& caption) = 0;
  virtual const std::string& caption() const = 0;
  // A change of state runs onClick, as a user click would.
  virtual void setChecked(bool checked) = 0;
  virtual bool checked() const = 0;
  std::function<void()> onClick;
};

class Edit : public Control {
 public:
  // A change of text runs onChange.
  virtual void setText(const std::string& text) = 0;
  virtual const std::string& text() const = 0;
  // A key typed in the box: '\r' for Enter.
  virtual void keyPress(char key) = 0;
  // The user may read and copy the text but not change it.
  virtual void setReadOnly(bool readOnly) = 0;
  std::function<void()> onChange;
  std::function<void(char)> onKeyPress;
  std::function<void()> onDblClick;
};

class SpinEdit : public Control {
 public:
  // Values outside min..max move to the nearest bound; a change runs
  // onChange.
  virtual void setValue(int value) = 0;
  virtual int value() const = 0;
  virtual int minValue() const = 0;
  virtual int maxValue() const = 0;
  std::function<void()> onChange;
};

// A shortcut field: the word holds the virtual-key code in its low byte,
// Alt in bit 15 and Ctrl in bit 14.
class HotKey : public Control {
 public:
  // A change of the word runs onChange.
  virtual void setValue(uint16_t word) = 0;
  virtual uint16_t value() const = 0;
  std::function<void()> onChange;
};

class ComboBox : public Control {
 public:
  virtual const std::vector<std::string>& items() const = 0;
  // Chooses an item (-1 none) as the program does: no event. A user's
  // choice or typing runs onChange.
  virtual void setItemIndex(int index) = 0;
  virtual int itemIndex() const = 0;
  // The text shown; setting it chooses the item with that text, if any.
  virtual void setText(const std::string& text) = 0;
  virtual const std::string& text() const = 0;
  // Appends an item to the list; the text stays as it is.
  virtual void addItem(const std::string& item) = 0;
  std::function<void()> onChange;
};

class RadioGroup : public Control {
 public:
  virtual const std::string& caption() const = 0;
  virtual const std::vector<std::string>& items() const = 0;
  // Chooses an item as the program does: no event. A user's click runs
  // onClick.
  virtual void setItemIndex(int index) = 0;
  virtual int itemIndex() const = 0;
  std::function<void()> onClick;
};

class ListBox : public Control {
 public:
  virtual void addItem(const std::string& text) = 0;
  virtual void deleteItem(int index) = 0;
  virtual void clear() = 0;
  virtual int count() const = 0;
  virtual const std::string& item(int index) const = 0;
  virtual int selected() const = 0;  // -1 for none
  // Selecting an item runs onClick, as a user's click on it does, also when
  // it was selected already.
  virtual void setSelected(int index) = 0;
  virtual void setPopupMenu(Menu* menu) = 0;
  std::function<void()> onClick;
};

struct ListColumn {
  std::string caption;
  int width = 0;  // -1: takes the rest of the view
};

struct ListItem {
  std::string caption;
  std::vector<std::string> subItems;
  bool checked = false;
};

class ListView : public Control {
 public:
  virtual void setColumns(const std::vector<ListColumn>& columns) = 0;
  virtual const std::vector<ListColumn>& columns() const = 0;
  virtual void setColumnWidth(int column, int width) = 0;
  virtual int addItem(const ListItem& item) = 0;
  virtual void setItem(int index, const ListItem& item) = 0;
  virtual void deleteItem(int index) = 0;
  virtual void clear() = 0;
  virtual int count() const = 0;
  virtual const ListItem& item(int index) const = 0;
  virtual int selected() const = 0;  // -1 for none
  virtual void setSelected(int index) = 0;
  virtual void setChecked(int index, bool checked) = 0;
  // One line down, as a vertical-scroll request does.
  virtual void scrollLineDown() = 0;
  virtual void setPopupMenu(Menu* menu) = 0;
  std::function<void()> onDblClick;
};

class StringGrid : public Control {
 public:
  virtual int colCount() const = 0;
  virtual void setRowCount(int rows) = 0;
  virtual int rowCount() const = 0;
  virtual void setCell(int col, int row, const std::string& text) = 0;
  virtual const std::string& cell(int col, int row) const = 0;
  virtual void setColWidth(int col, int width) = 0;
  virtual int colWidth(int col) const = 0;
  virtual int selectedRow() const = 0;  // 1 is the first data row
  virtual void setSelectedRow(int row) = 0;
  virtual void setPopupMenu(Menu* menu) = 0;
  std::function<void()> onDblClick;
  // The cell under a client point, if any.
  virtual std::optional<GridCell> cellAt(Point client) const = 0;
  // How wide a text is drawn in the main window's font.
  virtual int textWidth(const std::string& text) const = 0;
  virtual Point clientToScreen(Point client) const = 0;
  // The pointer moved over the grid, to a client point.
  std::function<void(Point)> onMouseMove;
  // The text colour of a cell as the owner draws it, 0xRRGGBB; black
  // without a handler.
  std::function<uint32_t(int col, int row)> onCellColor;
  uint32_t cellColor(int col, int row) const {
    return onCellColor ? onCellColor(col, row) : 0;
  }
};

class PageControl : public Control {
 public:
  virtual int pageCount() const = 0;
  virtual Container& page(int index) = 0;
  virtual const std::string& pageCaption(int index) const = 0;
  virtual int activePage() const = 0;
  // A change of page runs onChange, as a tab click does.
  virtual void setActivePage(int index) = 0;
  std::function<void()> onChange;
};

class StatusBar : public Control {
 public:
  virtual int panelCount() const = 0;
  virtual void setPanelText(int panel, const std::string& text) = 0;
  virtual const std::string& panelText(int panel) const = 0;
};

struct ControlArgs {
  std::string name = {};
  Rect bounds = {};
  std::string caption = {};
  std::string hint = {};
  // In a run-time dialog: what the dialog's handler reads the control as
  // ("edit1", "edit2", "path", "spin", "combo", "memo", "check"); else empty.
  std::string role = {};
};

struct SpinArgs {
  ControlArgs control;
  int minValue = 0;
  int maxValue = 100;
  int step = 1;
  int value = 0;
};

struct ItemsArgs {
  ControlArgs control;
  std::vector<std::string> items;
  int index = -1;
};

struct ListViewArgs {
  ControlArgs control;
  std::vector<ListColumn> columns;
  bool checkBoxes = false;
  // Each added row takes its place by caption: letter case aside, then
  // byte order.
  bool sorted = false;
};

struct GridArgs {
  ControlArgs control;
  int colCount = 1;
  int rowCount = 2;
  std::vector<int> colWidths;
};

struct PageArgs {
  ControlArgs control;
  std::vector<std::string> captions;
};

struct StatusBarArgs {
  ControlArgs control;
  std::vector<int> panelWidths;
};

struct DialogArgs {
  std::string caption;
  int width = 0;
  int height = 0;
  bool resizable = false;  // a sizeable border instead of the dialog border
};

// A window built at run time, centred on its owner and shown modally. The
// controls created on it belong to it and go when it is destroyed.
class Dialog : public Container {
 public:
  virtual const std::string& caption() const = 0;
  // Returns when the dialog has closed, by end() or by its close box; the
  // program's timers keep running meanwhile.
  virtual void showModal() = 0;
  virtual void end() = 0;
  virtual bool shown() const = 0;
  // 0 transparent to 255 opaque.
  virtual void setOpacity(int alpha) = 0;
  // Runs with the client area's new width and height when a resizable
  // dialog changes its size.
  std::function<void(int, int)> onResize;
};

// A picture the program draws on: lines in a pen colour (0xRRGGBB) that
// leave out their last point, as the platform's line drawing does, and
// text in the default font. What is drawn shows at present().
class Image : public Control {
 public:
  virtual void fill(uint32_t color) = 0;
  virtual void setPenColor(uint32_t color) = 0;
  virtual void moveTo(Point point) = 0;
  virtual void lineTo(Point point) = 0;
  virtual void textOut(Point point, const std::string& text) = 0;
  // How wide text is in the image's font, in pixels.
  virtual int textWidth(const std::string& text) const = 0;
  virtual void present() = 0;
  virtual Point clientToScreen(Point client) const = 0;
  // The pointer moved over the image, to a client point.
  std::function<void(Point)> onMouseMove;
};

// A tooltip the program places and shows itself.
class ToolTip {
 public:
  virtual ~ToolTip() = default;
  virtual void showAt(Point screen, const std::string& text) = 0;
  virtual void hide() = 0;
};

// Message-box styles and answers, as the platform numbers them.
inline constexpr uint32_t MB_OK = 0x0;
inline constexpr uint32_t MB_ICONWARNING = 0x30;
inline constexpr uint32_t MB_SETFOREGROUND = 0x10000;
inline constexpr uint32_t MB_TOPMOST = 0x40000;
inline constexpr int IDOK = 1;

// Creates controls. The window system owns every control it creates; they
// live until it is destroyed.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  virtual Form& createForm(const ControlArgs& args) = 0;
  virtual Menu& createMenu(const std::string& name, bool popup) = 0;
  virtual Label& createLabel(Container& parent, const ControlArgs& args) = 0;
  virtual GroupBox& createGroupBox(Container& parent,
                                   const ControlArgs& args) = 0;
  virtual Button& createButton(Container& parent, const ControlArgs& args) = 0;
  virtual CheckBox& createCheckBox(Container& parent, const ControlArgs& args,
                                   bool checked) = 0;
  virtual Edit& createEdit(Container& parent, const ControlArgs& args) = 0;
  virtual SpinEdit& createSpinEdit(Container& parent, const SpinArgs& args) = 0;
  virtual HotKey& createHotKey(Container& parent, const ControlArgs& args,
                               uint16_t word) = 0;
  virtual ComboBox& createComboBox(Container& parent,
                                   const ItemsArgs& args) = 0;
  virtual RadioGroup& createRadioGroup(Container& parent,
                                       const ItemsArgs& args) = 0;
  virtual ListBox& createListBox(Container& parent,
                                 const ControlArgs& args) = 0;
  virtual ListView& createListView(Container& parent,
                                   const ListViewArgs& args) = 0;
  virtual StringGrid& createStringGrid(Container& parent,
                                       const GridArgs& args) = 0;
  virtual PageControl& createPageControl(Container& parent,
                                         const PageArgs& args) = 0;
  virtual StatusBar& createStatusBar(Form& parent,
                                     const StatusBarArgs& args) = 0;
  virtual Image& createImage(Container& parent, const ControlArgs& args) = 0;
  // Where the pointer is, in screen coordinates.
  virtual Point cursorPos() const = 0;
  // A multi-line edit box; its lines end with CR LF.
  virtual Edit& createMemo(Container& parent, const ControlArgs& args) = 0;
  virtual Dialog& createDialog(Form& owner, const DialogArgs& args) = 0;
  // The program's icon, 32 by 32 pixels at the given place.
  virtual Control& createAppIcon(Container& parent,
                                 const ControlArgs& args) = 0;
  // A tooltip owned by the grid that follows no pointer of its own; null
  // when the system cannot register it.
  virtual ToolTip* createToolTip(StringGrid& owner) = 0;
  // Releases a dialog and every control on it.
  virtual void destroyDialog(Dialog& dialog) = 0;

  // A modal message box; owner null for none. Returns the button pressed.
  virtual int messageBox(Form* owner, const std::string& text,
                         const std::string& caption, uint32_t style) = 0;
  // A modal input box; empty when the user cancels it.
  virtual std::optional<std::string> inputBox(
      const std::string& caption, const std::string& prompt,
      const std::string& defaultText) = 0;
  // The framework's browse-for-folder dialog, opened at `start`; empty when
  // the user cancels it.
  virtual std::optional<std::string> browseForFolder(
      const std::string& caption, const std::string& start) = 0;
  // Pops a menu up where the pointer is (the tray icon's right click).
  virtual void popUpAtPointer(Menu& menu) = 0;
  // Ends the program at once: no close query runs, nothing is saved.
  virtual void terminate() = 0;
};

}  // namespace ov::ui
