// The picture control: what the program draws shows in the window, even
// after the system once had no room for its memory bitmap.
#include <vector>

#include "tests/wine/win32/win32_test.h"

namespace ov::win32 {
namespace {

using ImageTest = Win32Test;

constexpr uint32_t kGreen = 0x00FF00;

COLORREF shownAt(HWND hwnd, int x, int y) {
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  HDC dc = GetDC(hwnd);
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(hwnd, dc);
  return pixel;
}

TEST_F(ImageTest, APresentWithoutRoomForTheBitmapIsMadeGoodAtTheNext) {
  // With one, two or three GDI handles left, the memory DC may get one
  // while its bitmap gets none.
  for (int left = 1; left <= 3; ++left) {
    ui::Image& image = windows.createImage(
        form,
        {"Image" + std::to_string(left), {10, 10 + 40 * left, 40, 30}, "", ""});
    image.fill(kGreen);
    std::vector<HBITMAP> taken;
    while (HBITMAP bitmap = CreateBitmap(1, 1, 1, 1, nullptr))
      taken.push_back(bitmap);
    ASSERT_GE(taken.size(), 3u);
    for (int n = 0; n < left; ++n) {
      DeleteObject(taken.back());
      taken.pop_back();
    }
    image.present();
    for (HBITMAP bitmap : taken) DeleteObject(bitmap);

    image.present();
    EXPECT_EQ(shownAt(hwndOf(image), 5, 5), RGB(0, 255, 0)) << left;
  }
}

}  // namespace
}  // namespace ov::win32
