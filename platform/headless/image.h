#pragma once
// The in-memory picture: a pixel buffer the size of the control, lines
// drawn as the platform draws them (the last point left out), text kept
// for the native image to draw in its font. The dump shows every pixel.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/headless/controls.h"

namespace ov::headless {

class Image : public ControlState<ui::Image> {
 public:
  explicit Image(const ui::ControlArgs& args);
  const char* kind() const override { return "image"; }
  void describe(JsonObject& out) const override;

  void fill(uint32_t color) override;
  void setPenColor(uint32_t color) override { pen_ = color; }
  void moveTo(ui::Point point) override { at_ = point; }
  void lineTo(ui::Point point) override;
  void textOut(ui::Point point, const std::string& text) override;
  int textWidth(const std::string& text) const override {
    return estimatedTextWidth(text);
  }
  void present() override {}
  ui::Point clientToScreen(ui::Point client) const override;

  int width() const { return width_; }
  int height() const { return height_; }
  // 0xRRGGBB; white outside the picture.
  uint32_t pixel(int x, int y) const;

  struct Text {
    ui::Point at;
    std::string text;
  };
  // The texts drawn since the last fill.
  const std::vector<Text>& texts() const { return texts_; }
  const std::vector<uint32_t>& pixels() const { return pixels_; }

 private:
  void plot(int x, int y);

  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;
  std::vector<Text> texts_;
  uint32_t pen_ = 0;
  ui::Point at_;
};

}  // namespace ov::headless
