#pragma once
// What the access policy and the name lists leave behind, as the tests
// read it: journal arguments and the bytes of the program's files.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ov::test {

// The arguments of a journaled NetSessionDel on the local server.
std::string sessionDel(std::string_view client,
                       std::optional<std::string_view> user = std::nullopt);
// The arguments of a journaled NetFileClose on the local server.
std::string fileClose(uint32_t fileId);
// The arguments of a journaled message box.
std::string messageBox(std::string_view caption, std::string_view text,
                       uint32_t style);

// UTF-8 text as the 1251 bytes a list file holds.
std::string cp1251(std::string_view utf8);
// The file's bytes; nullopt when it does not exist.
std::optional<std::string> fileBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, std::string_view bytes);

}  // namespace ov::test
