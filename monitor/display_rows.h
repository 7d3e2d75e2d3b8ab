#pragma once
// The cells the monitor writes into its grids and history list.
#include <array>
#include <string>
#include <string_view>

#include "monitor/connection_record.h"
#include "monitor/display_headers.h"
#include "platform/locale.h"
#include "platform/netapi.h"
#include "platform/ui.h"

namespace ov::monitor {

using ConnsGridRow = std::array<std::string, kConnsGridHeaders.size()>;
using FilesGridRow = std::array<std::string, kFilesGridHeaders.size()>;

// A row of st_conns; timeText is the cycle's local time (long format).
ConnsGridRow connsGridRow(const SESSION_INFO_502& session,
                          std::string_view timeText);
// Level 10 reports no client system, transport or opens: those stay empty.
ConnsGridRow connsGridRow(const SESSION_INFO_10& session,
                          std::string_view timeText);

// A row of st_files; a directory shows "DIR" instead of its permissions.
FilesGridRow filesGridRow(const FILE_INFO_3& file, bool isDirectory);

// A row of lv_connhist for a retired connection.
ui::ListItem connHistoryItem(const ConnectionRecord& record, Locale& locale);

}  // namespace ov::monitor
