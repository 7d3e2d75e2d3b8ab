#pragma once
// One line of the file log: "[ 9:05:03  05.03.06] [PC1] C:\Docs\a.doc".
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace ov::monitor {

// longTime is the moment in the locale's long time format; it is
// right-aligned in 8 characters. The line ends in "\r\n", as on disk.
std::string fileLogLine(const LocalDateTime& moment, std::string_view longTime,
                        std::string_view computer, std::string_view path);

}  // namespace ov::monitor
