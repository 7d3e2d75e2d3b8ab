#include "traffic/activity_graph.h"

namespace ov {

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kPurple = 0x800080;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kOlive = 0x808000;
constexpr uint32_t kGreen = 0x008000;
constexpr int kGridColumns = 23;
constexpr int kHalfHour = 30;
constexpr int kLabelRise = 14;
constexpr int kFilesBandTop = 10;

void DrawGrid(ui::Image& image, int width, int height) {
  const int step = width / kGridColumns;
  for (int x = step; step > 0 && x <= width; x += step) {
    image.setPenColor(x % kHalfHour == 0 ? kRed : kGrey);
    image.moveTo({x, 0});
    image.lineTo({x, height - 5});
  }
  // Each label at its minute; the last ends at the edge, not beyond it.
  for (int minutes = kHalfHour; minutes <= ActivityHistory::kSlots;
       minutes += kHalfHour) {
    const std::string label = std::to_string(minutes);
    image.textOut({std::min(minutes, width - image.textWidth(label)),
                   height - kLabelRise},
                  label);
  }
}

template <class Row>
void DrawCurve(ui::Image& image, uint32_t color, ui::Point start, int firstSlot,
               Row row) {
  image.setPenColor(color);
  image.moveTo(start);
  for (int slot = firstSlot; slot < ActivityHistory::kSlots; ++slot)
    image.lineTo({slot, row(slot)});
}

}  // namespace

void DrawActivityGraph(ui::Image& image, ActivityHistory& history) {
  const ui::Rect bounds = image.bounds();
  image.fill(kWhite);
  DrawGrid(image, bounds.width, bounds.height);
  const auto& h = history;
  DrawCurve(image, kBlue, {0, h.connections[1]}, 0,
            [&](int slot) { return ConnectionsRow(h.connections[slot]); });
  DrawCurve(image, kPurple, {0, h.files[1] + kFilesBandTop}, 0,
            [&](int slot) { return FilesRow(h.files[slot]); });
  history.updateRange();
  DrawCurve(image, kBlack, {0, kInboundBandTop}, 1, [&](int slot) {
    return TrafficRow(kInboundBandTop, h.inbound[slot], h.inboundMax);
  });
  DrawCurve(image, kOlive, {0, kOutboundBandTop}, 1, [&](int slot) {
    return TrafficRow(kOutboundBandTop, h.outbound[slot], h.outboundMax);
  });
  // Over the current slot and the one cleared next.
  image.setPenColor(kGreen);
  for (int x : {h.position + 0, h.position + 1}) {
    image.moveTo({x, 0});
    image.lineTo({x, bounds.height});
  }
  image.present();
}

}  // namespace ov
