#include "monitor/display_rows.h"

#include "monitor/text_forms.h"

namespace ov::monitor {

ConnsGridRow connsGridRow(const SESSION_INFO_502& session,
                          std::string_view timeText) {
  return {session.sesi502_cname,
          session.sesi502_username,
          durationText(session.sesi502_time),
          durationText(session.sesi502_idle_time),
          session.sesi502_cltype_name,
          protocolName(session.sesi502_transport),
          std::to_string(session.sesi502_num_opens),
          std::string(timeText)};
}

ConnsGridRow connsGridRow(const SESSION_INFO_10& session,
                          std::string_view timeText) {
  return {session.sesi10_cname,
          session.sesi10_username.value_or(""),
          durationText(session.sesi10_time),
          durationText(session.sesi10_idle_time),
          "",
          "",
          "",
          std::string(timeText)};
}

FilesGridRow filesGridRow(const FILE_INFO_3& file, bool isDirectory) {
  return {
      file.fi3_username, std::to_string(file.fi3_id),
      isDirectory ? "DIR" : std::string(permissionText(file.fi3_permissions)),
      std::to_string(file.fi3_num_locks), file.fi3_pathname};
}

ui::ListItem connHistoryItem(const ConnectionRecord& record, Locale& locale) {
  return {.caption = record.clientName,
          .subItems = {record.userName, record.clientSystem,
                       durationText(record.sessionSeconds),
                       locale.shortDate(record.startTime) + " " +
                           locale.longTime(record.startTime)}};
}

}  // namespace ov::monitor
