#include "platform/win32/gui_style.h"

#include "platform/win32/window_text.h"

namespace ov::win32 {

HFONT guiFont() {
  // 11 pixels high, not scaled with the screen's text size. Tahoma has
  // Cyrillic everywhere the program runs, the old bitmap face does not.
  static HFONT font =
      CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                  DEFAULT_PITCH | FF_SWISS, L"Tahoma");
  return font;
}

int textWidthIn(HWND hwnd, HFONT font, const std::string& text) {
  const std::wstring wide = wideText(text);
  HDC dc = GetDC(hwnd);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(hwnd, dc);
  return size.cx;
}

void setGuiFont(HWND hwnd) {
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont()), FALSE);
}

HBRUSH silverBrush() {
  static HBRUSH brush = CreateSolidBrush(kSilver);
  return brush;
}

LRESULT fillWithButtonFace(HWND hwnd, HDC dc) {
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  return 1;
}

HBRUSH silverBackground(HDC dc) {
  SetBkColor(dc, kSilver);
  return silverBrush();
}

}  // namespace ov::win32
