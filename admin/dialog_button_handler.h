#pragma once
// The button handler the tool dialogs share: it tells the tools' buttons
// apart by caption or component name. Each tool fills its branch.
#include <functional>

#include "platform/ui.h"

namespace ov::admin {

struct DialogBranches {
  std::function<void()> send;         // "Отправить": the messenger
  std::function<void()> ping;         // "Пинг": the pinger
  std::function<void()> browse;       // "...": a folder for the path box
  std::function<void()> addShare;     // "Добавить": the share editor
  std::function<void()> trafficOk;    // TrOk: the traffic settings
  std::function<void()> modifyShare;  // editr: the share editor
};

// Runs, in this order, every branch whose test holds for the button.
void RunDialogButton(const ui::Button& button, const DialogBranches& branches);

}  // namespace ov::admin
