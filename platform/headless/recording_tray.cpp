#include "platform/headless/recording_tray.h"

namespace ov::headless {

const char* trayIconName(TrayIconImage icon) {
  switch (icon) {
    case TrayIconImage::idle:
      return "idle";
    case TrayIconImage::connected:
      return "connected";
    case TrayIconImage::files:
      return "files";
    case TrayIconImage::userless:
      return "userless";
    case TrayIconImage::none:
      break;
  }
  return "none";
}

bool RecordingTray::Shell_NotifyIcon(NotifyCommand command,
                                     const NotifyIconData& data) {
  // Like the shell: a modify or delete of an icon that is not there fails.
  if (command != NotifyCommand::add && !shown_) return false;
  if (command == NotifyCommand::add && shown_) return false;

  if (command == NotifyCommand::remove) {
    shown_ = false;
    if (journal_)
      journal_->write(
          "TrayIcon",
          {std::string("delete"), std::string(trayIconName(data_.hIcon)),
           data_.szTip, static_cast<long long>(data_.uID)});
    return true;
  }
  shown_ = true;
  if (data.uFlags & NIF_INFO) {
    data_.szInfo = data.szInfo;
    data_.szInfoTitle = data.szInfoTitle;
    if (journal_)
      journal_->write("Balloon", {data.szInfoTitle, data.szInfo,
                                  static_cast<long long>(data.uTimeout)});
    return true;
  }
  data_.uID = data.uID;
  if (data.uFlags & NIF_ICON) data_.hIcon = data.hIcon;
  if (data.uFlags & NIF_TIP) data_.szTip = data.szTip;
  if (journal_)
    journal_->write(
        "TrayIcon",
        {std::string(command == NotifyCommand::add ? "add" : "modify"),
         std::string(trayIconName(data_.hIcon)), data_.szTip,
         static_cast<long long>(data_.uID)});
  return true;
}

}  // namespace ov::headless
