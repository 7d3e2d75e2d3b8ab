#include "platform/win32/tray_icons.h"

#include <array>
#include <map>

namespace ov::win32 {

namespace {

constexpr int kSize = 16;

COLORREF colourOf(TrayIconImage image) {
  switch (image) {
    case TrayIconImage::connected:
      return RGB(0, 160, 0);
    case TrayIconImage::files:
      return RGB(200, 0, 0);
    case TrayIconImage::userless:
      return RGB(220, 180, 0);
    default:
      return RGB(128, 128, 128);
  }
}

HICON drawIcon(COLORREF colour) {
  // 32-bit pixels are 0xAARRGGBB; a dark frame around the colour.
  const DWORD fill = 0xFF000000u | (GetRValue(colour) << 16) |
                     (GetGValue(colour) << 8) | GetBValue(colour);
  std::array<DWORD, kSize * kSize> pixels;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const bool edge = x < 2 || y < 2 || x >= kSize - 2 || y >= kSize - 2;
      pixels[y * kSize + x] = edge ? 0xFF202020u : fill;
    }
  const std::array<BYTE, kSize * kSize / 8> opaque{};
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = CreateBitmap(kSize, kSize, 1, 32, pixels.data());
  info.hbmMask = CreateBitmap(kSize, kSize, 1, 1, opaque.data());
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return icon;
}

}  // namespace

HICON trayIcon(TrayIconImage image) {
  if (image == TrayIconImage::none) return nullptr;
  static std::map<TrayIconImage, HICON> icons;
  auto [it, added] = icons.try_emplace(image, nullptr);
  if (added) it->second = drawIcon(colourOf(image));
  return it->second;
}

}  // namespace ov::win32
