#include "platform/headless/image.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/headless/json_object.h"

namespace ov::headless {

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

}  // namespace

Image::Image(const ui::ControlArgs& args) : ControlState(args) { fill(kWhite); }

void Image::fill(uint32_t color) {
  width_ = std::max(bounds().width, 0);
  height_ = std::max(bounds().height, 0);
  pixels_.assign(static_cast<std::size_t>(width_) * height_, color);
  texts_.clear();
}

void Image::plot(int x, int y) {
  if (x >= 0 && x < width_ && y >= 0 && y < height_)
    pixels_[static_cast<std::size_t>(y) * width_ + x] = pen_;
}

void Image::lineTo(ui::Point to) {
  // Bresenham from the pen's place; the end point is not painted.
  int x = at_.x;
  int y = at_.y;
  const int dx = std::abs(to.x - x);
  const int dy = -std::abs(to.y - y);
  const int stepX = x < to.x ? 1 : -1;
  const int stepY = y < to.y ? 1 : -1;
  int error = dx + dy;
  while (x != to.x || y != to.y) {
    plot(x, y);
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x += stepX;
    }
    if (twice <= dx) {
      error += dx;
      y += stepY;
    }
  }
  at_ = to;
}

void Image::textOut(ui::Point point, const std::string& text) {
  texts_.push_back({point, text});
}

ui::Point Image::clientToScreen(ui::Point client) const {
  return {bounds().left + client.x, bounds().top + client.y};
}

uint32_t Image::pixel(int x, int y) const {
  if (x < 0 || x >= width_ || y < 0 || y >= height_) return kWhite;
  return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Image::describe(JsonObject& out) const {
  out.add("width", width_);
  out.add("height", height_);
  std::vector<std::string> rows;
  rows.reserve(height_);
  for (int y = 0; y < height_; ++y) {
    std::string row;
    row.reserve(static_cast<std::size_t>(width_) * 6);
    for (int x = 0; x < width_; ++x) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "%06X", pixel(x, y) & kWhite);
      row += hex;
    }
    rows.push_back(std::move(row));
  }
  out.add("pixels", rows);
  // The texts drawn since the last fill, where the image's own font puts
  // them.
  std::string texts;
  for (const Text& text : texts_) {
    JsonObject one;
    one.add("text", text.text);
    one.add("x", text.at.x);
    one.add("y", text.at.y);
    texts += (texts.empty() ? "" : ", ") + one.text();
  }
  out.addRaw("texts", "[" + texts + "]");
}

}  // namespace ov::headless
