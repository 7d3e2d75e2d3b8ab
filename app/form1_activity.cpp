// The activity graph: the image beside the open-files grid, its drawing
// and the readout of the value under the pointer.
#include "app/form1.h"
#include "traffic/activity_graph.h"

namespace ov {

namespace {

constexpr ui::Rect kGraphBounds{459, 157, 124, 105};

}  // namespace

void TForm1::buildActivityGraph(ui::Container& page) {
  Image1 = &services_.windows.createImage(page, {"Image1", kGraphBounds});
  Image1->onMouseMove = [this](ui::Point point) { Image1MouseMove(point); };
}

void TForm1::ClearActivityHistory() { activity = ActivityHistory{}; }

void TForm1::DrawActivityGraph() { ov::DrawActivityGraph(*Image1, activity); }

void TForm1::Image1MouseMove(ui::Point point) {
  sb->setPanelText(
      0, ActivityReadout(activity, point.x, point.y, services_.clock.now()));
  hoverWatch->start();
}

}  // namespace ov
