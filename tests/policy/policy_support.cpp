#include "policy_support.h"

#include <fstream>
#include <iterator>

#include "platform/json.h"
#include "platform/text/cp1251.h"

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

std::string cp1251(std::string_view utf8) { return utf8ToCp1251(utf8); }

std::optional<std::string> fileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string((std::istreambuf_iterator<char>(in)),
                     std::istreambuf_iterator<char>());
}

void writeBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream(file, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace ov::test
