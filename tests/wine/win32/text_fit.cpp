#include "tests/wine/win32/text_fit.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/gui_style.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

namespace {

// What the system's controls take of their width besides the text.
constexpr int kPushButtonFrame = 8;      // edges and focus rectangle
constexpr int kBoxToText = 6;            // check box or radio to its text
constexpr int kGroupCaptionIndent = 16;  // the frame's line each side
constexpr int kHeaderMargins = 12;       // 3 edges each side
constexpr int kComboFieldMargins = 6;    // the field's edges and focus

std::wstring classOf(HWND hwnd) {
  wchar_t name[64] = L"";
  GetClassNameW(hwnd, name, 64);
  return name;
}

std::wstring textOf(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(length + 1, L'\0');
  text.resize(GetWindowTextW(hwnd, text.data(), length + 1));
  return text;
}

// The text as drawn: "&x" underlines x, "&&" is one ampersand.
std::wstring withoutPrefixes(const std::wstring& text) {
  std::wstring shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

// How wide TEXT is in the control's own font.
int widthIn(HWND hwnd, const std::wstring& text) {
  return textWidthIn(
      hwnd, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)),
      utf8Text(text));
}

// The room a label's text takes with its own line breaks alone: the
// widest line, and the height of all of them.
RECT linesOf(HWND hwnd, const std::wstring& text) {
  HDC dc = GetDC(hwnd);
  HGDIOBJ old = SelectObject(
      dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
  RECT rect{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), -1, &rect, DT_CALCRECT | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(hwnd, dc);
  return rect;
}

std::string described(HWND hwnd, const std::wstring& text) {
  return utf8Text(classOf(hwnd)) + " '" + utf8Text(text) + "'";
}

std::string widths(int needs, int has) {
  return ": needs " + std::to_string(needs) + ", has " + std::to_string(has);
}

struct Walk {
  HWND top;
  std::vector<std::string> found;
};

int buttonRoom(HWND hwnd, int width) {
  switch (GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK) {
    case BS_GROUPBOX:
      return width - kGroupCaptionIndent;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return width - GetSystemMetrics(SM_CXMENUCHECK) - kBoxToText;
    default:
      return width - kPushButtonFrame;
  }
}

bool isGroupBox(HWND hwnd) {
  return classOf(hwnd) == L"Button" &&
         (GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// Where a window starts in its parent's client area.
int leftIn(HWND hwnd) {
  RECT rect;
  GetWindowRect(hwnd, &rect);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
  return rect.left;
}

// The sibling that covers the first WIDTH pixels of HWND, if any.
HWND coveringSibling(HWND hwnd, int width) {
  RECT own;
  GetWindowRect(hwnd, &own);
  own.right = own.left + width;
  for (HWND other = GetWindow(GetParent(hwnd), GW_CHILD); other;
       other = GetWindow(other, GW_HWNDNEXT)) {
    if (other == hwnd || !IsWindowVisible(other) || isGroupBox(other)) continue;
    RECT theirs, common;
    GetWindowRect(other, &theirs);
    if (IntersectRect(&common, &own, &theirs)) return other;
  }
  return nullptr;
}

void checkText(Walk& walk, HWND hwnd, const std::wstring& text, int needs,
               int has) {
  if (needs > has) {
    walk.found.push_back(described(hwnd, text) + widths(needs, has));
    return;
  }
  if (isGroupBox(hwnd)) return;
  if (HWND other = coveringSibling(hwnd, needs))
    walk.found.push_back(described(hwnd, text) + " from " +
                         std::to_string(leftIn(hwnd)) + widths(needs, has) +
                         ", is covered by " + described(other, textOf(other)) +
                         " from " + std::to_string(leftIn(other)));
}

void checkListView(Walk& walk, HWND list) {
  HWND header = ListView_GetHeader(list);
  const int columns = Header_GetItemCount(header);
  for (int i = 0; i < columns; ++i) {
    wchar_t text[128] = L"";
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = 128;
    Header_GetItem(header, i, &item);
    RECT cell;
    Header_GetItemRect(header, i, &cell);
    const int needs = widthIn(header, text) + kHeaderMargins;
    if (needs > cell.right - cell.left)
      walk.found.push_back("column '" + utf8Text(text) + "'" +
                           widths(needs, cell.right - cell.left));
  }
  if (GetWindowLongW(list, GWL_STYLE) & WS_HSCROLL)
    walk.found.push_back(described(list, L"") +
                         " shows a horizontal scroll bar");
}

// A combo box shows its chosen item in its field: every item must fit
// there beside the arrow.
void checkComboItems(Walk& walk, HWND combo, int width) {
  const int room = width - GetSystemMetrics(SM_CXVSCROLL) - kComboFieldMargins;
  const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
    std::wstring item(length + 1, L'\0');
    item.resize(SendMessageW(combo, CB_GETLBTEXT, i,
                             reinterpret_cast<LPARAM>(item.data())));
    const int needs = widthIn(combo, item);
    if (needs > room)
      walk.found.push_back(described(combo, item) + widths(needs, room));
  }
}

void checkInsideParent(Walk& walk, HWND hwnd) {
  HWND parent = GetParent(hwnd);
  RECT room, own;
  GetClientRect(parent, &room);
  MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&room), 2);
  GetWindowRect(hwnd, &own);
  if (own.left < room.left || own.top < room.top || own.right > room.right ||
      own.bottom > room.bottom)
    walk.found.push_back(
        described(hwnd, textOf(hwnd)) + " sticks out of its parent by " +
        std::to_string(std::max(own.right - room.right, room.left - own.left)) +
        "," +
        std::to_string(std::max(own.bottom - room.bottom, room.top - own.top)));
}

BOOL CALLBACK checkOne(HWND hwnd, LPARAM data) {
  Walk& walk = *reinterpret_cast<Walk*>(data);
  if (!IsWindowVisible(hwnd)) return TRUE;
  const std::wstring kind = classOf(hwnd);
  // The parts of combined controls are the system's own.
  HWND parent = GetParent(hwnd);
  if (parent != walk.top &&
      (classOf(parent) == L"ComboBox" || classOf(parent) == L"SysListView32" ||
       classOf(parent) == L"msctls_updown32"))
    return TRUE;
  checkInsideParent(walk, hwnd);
  RECT client;
  GetClientRect(hwnd, &client);
  const int width = client.right - client.left;
  const std::wstring text = textOf(hwnd);
  if (kind == L"Static" && !text.empty()) {
    const bool prefixes = !(GetWindowLongW(hwnd, GWL_STYLE) & SS_NOPREFIX);
    const std::wstring shown = prefixes ? withoutPrefixes(text) : text;
    // A line the label would wrap is cut as much as one it would clip.
    const RECT needs = linesOf(hwnd, shown);
    if (needs.bottom > client.bottom)
      walk.found.push_back(described(hwnd, text) + " needs " +
                           std::to_string(needs.bottom) + " px high, has " +
                           std::to_string(client.bottom));
    else
      checkText(walk, hwnd, text, needs.right, width);
  } else if (kind == L"Button" && !text.empty()) {
    checkText(walk, hwnd, text, widthIn(hwnd, withoutPrefixes(text)),
              buttonRoom(hwnd, width));
  } else if (kind == L"SysListView32") {
    checkListView(walk, hwnd);
  } else if (kind == L"ComboBox") {
    checkComboItems(walk, hwnd, width);
  }
  return TRUE;
}

}  // namespace

std::vector<std::string> cutTexts(HWND top) {
  Walk walk{top, {}};
  EnumChildWindows(top, checkOne, reinterpret_cast<LPARAM>(&walk));
  return walk.found;
}

}  // namespace ov::win32
