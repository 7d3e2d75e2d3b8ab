#include "platform/win32/tray_icons.h"

#include <map>

#include "platform/win32/resource_ids.h"

namespace ov::win32 {

namespace {

int resourceOf(TrayIconImage image) {
  switch (image) {
    case TrayIconImage::connected:
      return IDI_TRAY_CONNECTED;
    case TrayIconImage::files:
      return IDI_TRAY_FILES;
    case TrayIconImage::userless:
      return IDI_TRAY_USERLESS;
    default:
      return IDI_TRAY_IDLE;
  }
}

// Shared icons: the system keeps them for the life of the program.
HICON loadIcon(int resource, bool small) {
  return static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource),
                 IMAGE_ICON, GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON),
                 GetSystemMetrics(small ? SM_CYSMICON : SM_CYICON), LR_SHARED));
}

}  // namespace

HICON trayIcon(TrayIconImage image) {
  if (image == TrayIconImage::none) return nullptr;
  static std::map<TrayIconImage, HICON> icons;
  auto [it, added] = icons.try_emplace(image, nullptr);
  if (added) it->second = loadIcon(resourceOf(image), true);
  return it->second;
}

HICON programIcon(bool small) {
  if (HICON icon = loadIcon(IDI_ORVANE, small)) return icon;
  return LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace ov::win32
