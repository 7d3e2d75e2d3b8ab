#include "monitor/file_log.h"

namespace ov::monitor {

// Filled by the file log; until then no opening is recorded.
void FileLog::fileLogStep(std::string_view /*path*/,
                          std::string_view /*user*/) {}

}  // namespace ov::monitor
