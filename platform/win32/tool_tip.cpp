#include "platform/win32/tool_tip.h"

#include "platform/win32/window_text.h"

namespace ov::win32 {

namespace {

constexpr int kDelayMs = 10;
constexpr int kMaxTipWidth = 1024;
wchar_t kInitialText[] = L"Text";

}  // namespace

ToolTip::ToolTip(std::string name, HWND tip, HWND owner)
    : headless::ToolTip(std::move(name)), tip_(tip), owner_(owner) {}

ToolTip::~ToolTip() {
  if (IsWindow(tip_)) DestroyWindow(tip_);
}

TTTOOLINFOW ToolTip::toolInfo() const {
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
  info.hwnd = owner_;
  info.uId = reinterpret_cast<UINT_PTR>(owner_);
  info.hinst = GetModuleHandleW(nullptr);
  return info;
}

std::unique_ptr<ToolTip> ToolTip::create(std::string name, HWND owner) {
  HWND tip = CreateWindowExW(
      WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
      WS_POPUP | WS_DISABLED | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
      GetModuleHandleW(nullptr), nullptr);
  if (!tip) return nullptr;
  auto made = std::make_unique<ToolTip>(std::move(name), tip, owner);
  TTTOOLINFOW info = made->toolInfo();
  info.lpszText = kInitialText;
  if (!SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)))
    return nullptr;
  SendMessageW(tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, kDelayMs);
  SendMessageW(tip, TTM_SETDELAYTIME, TTDT_INITIAL, kDelayMs);
  SendMessageW(tip, TTM_SETDELAYTIME, TTDT_RESHOW, kDelayMs);
  SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
  return made;
}

void ToolTip::showAt(ui::Point screen, const std::string& text) {
  headless::ToolTip::showAt(screen, text);
  std::wstring wide = wideText(text);
  TTTOOLINFOW info = toolInfo();
  info.lpszText = wide.data();
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
  SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(screen.x, screen.y));
  SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
}

void ToolTip::hide() {
  headless::ToolTip::hide();
  TTTOOLINFOW info = toolInfo();
  SendMessageW(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
}

}  // namespace ov::win32
