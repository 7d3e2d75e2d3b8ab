#pragma once
// Recording new file openings: the ring of logged openings, the file
// history list and the file log.
#include <string_view>

namespace ov::monitor {

class FileLog {
 public:
  // One open-file entry that is neither a directory nor a passed-over pipe.
  void fileLogStep(std::string_view path, std::string_view user);
};

}  // namespace ov::monitor
