#pragma once
// Notification-area port: one record and one call, as the shell takes them,
// plus the icon's mouse and re-creation notices.
#include <cstdint>
#include <functional>
#include <string>

namespace ov {

enum class TrayIconImage { none, idle, connected, files, userless };

inline constexpr uint32_t NIF_MESSAGE = 1;
inline constexpr uint32_t NIF_ICON = 2;
inline constexpr uint32_t NIF_TIP = 4;
inline constexpr uint32_t NIF_INFO = 16;
inline constexpr uint32_t NIIF_INFO = 1;
inline constexpr uint32_t NIIF_NOSOUND = 16;

enum class NotifyCommand { add = 0, modify = 1, remove = 2 };

struct NotifyIconData {
  uint32_t uID = 0;
  uint32_t uFlags = 0;
  uint32_t uCallbackMessage = 0;
  TrayIconImage hIcon = TrayIconImage::none;
  std::string szTip;   // at most 127 characters
  std::string szInfo;  // at most 255 characters
  uint32_t uTimeout = 0;
  std::string szInfoTitle;  // at most 63 characters
  uint32_t dwInfoFlags = 0;
};

class TrayPort {
 public:
  virtual ~TrayPort() = default;
  virtual bool Shell_NotifyIcon(NotifyCommand command,
                                const NotifyIconData& data) = 0;
  // Whether the notification area shows balloon notices: the common
  // controls from version 5.80 on.
  virtual bool CanShowBalloons() = 0;
  // Notices from the shell, delivered on the GUI thread.
  std::function<void()> onDoubleClick;
  std::function<void()> onRightClick;
  std::function<void()> onTaskbarCreated;
};

}  // namespace ov
