#pragma once
// Draws the activity history as the graph beside the open-files grid.
#include "platform/ui.h"
#include "traffic/activity_history.h"

namespace ov {

// Also takes the traffic bands' minimum and maximum for the readout.
void DrawActivityGraph(ui::Image& image, ActivityHistory& history);

}  // namespace ov
