#pragma once
// The share editor "Редактор ресурсов": adds a share to the local machine,
// or changes the remark and the connection limit of a share of the watched
// server. Its buttons go through the dialog button handler, which calls
// the steps below; they read the editor that is open.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "admin/run_time_dialog.h"
#include "platform/netapi.h"
#include "platform/ui.h"

namespace ov::admin {

enum class ShareEditorMode { add, modify };

// The access everyone gets to an added share: "Полный" and the rest.
inline constexpr uint32_t kFullAccess = 0x801FFFFF;
inline constexpr uint32_t kReadOnlyAccess = 0x8002FFFF;

struct ShareEditorContext {
  ui::WindowSystem& windows;
  ui::Form& owner;
  CurrentDialog& current;
  NetApi& net;
  std::string_view server;  // the watched one; adds go to the local machine
  std::function<void()> refreshList;
};

// Shows the editor modally; in modify mode filled with what the server
// tells of shareName. The list is refreshed when it closes.
void ShowShareEditor(const ShareEditorContext& context, ShareEditorMode mode,
                     const std::string& shareName,
                     const ButtonAction& onButton);

void AddShareFromEditor(const ShareEditorContext& context);
void ModifyShareFromEditor(const ShareEditorContext& context);
void BrowseForSharePath(const ShareEditorContext& context);

}  // namespace ov::admin
