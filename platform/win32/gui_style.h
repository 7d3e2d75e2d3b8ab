#pragma once
// The one font of the form and its controls, and the silver background of
// grids, lists and edit boxes.
#include "platform/win32/windows_api.h"
// (after it)
#include <string>

namespace ov::win32 {

inline constexpr COLORREF kSilver = RGB(192, 192, 192);

HFONT guiFont();
// How wide TEXT is in FONT, measured on the window's device context.
int textWidthIn(HWND hwnd, HFONT font, const std::string& text);
void setGuiFont(HWND hwnd);
HBRUSH silverBrush();
// Fills a frame control's inside, which the system leaves unpainted; the
// result of its WM_ERASEBKGND.
LRESULT fillWithButtonFace(HWND hwnd, HDC dc);
// Paints a control's text on silver; the result of a WM_CTLCOLOR* message.
HBRUSH silverBackground(HDC dc);

}  // namespace ov::win32
