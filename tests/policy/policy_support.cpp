#include "policy_support.h"

#include <fstream>

#include "platform/json.h"

namespace ov::test {

std::string sessionDel(std::string_view client,
                       std::optional<std::string_view> user) {
  return "[\"\", " + jsonString("\\\\" + std::string(client)) + ", " +
         (user ? jsonString(*user) : "null") + "]";
}

std::string fileClose(uint32_t fileId) {
  return "[\"\", " + std::to_string(fileId) + "]";
}

std::string messageBox(std::string_view caption, std::string_view text,
                       uint32_t style) {
  return "[" + jsonString(caption) + ", " + jsonString(text) + ", " +
         std::to_string(style) + "]";
}

void writeBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream(file, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

LanFormOptions withListFiles(std::string computers, std::string users) {
  LanFormOptions options;
  options.beforeStart = [computers, users](const std::filesystem::path& dir,
                                           sim::World&) {
    writeBytes(dir / "users", computers);
    writeBytes(dir / "usrnames", users);
  };
  return options;
}

}  // namespace ov::test
