#pragma once
// The pages of the main window as views: the controls of one page, by the
// names the window gives them. The handlers' helpers and the tests reach a
// page's controls through its view, not through the form.
#include "platform/ui.h"
#include "traffic/statistics_page.h"

namespace ov {

// The page "Статистика": the boxes and labels the refresh fills, and the
// automatic refresh's switch.
struct StatisticsPageView : StatisticsView {
  ui::CheckBox& cb_statrefresh;
};

}  // namespace ov
