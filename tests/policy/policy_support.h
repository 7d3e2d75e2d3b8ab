#pragma once
// What the access policy and the name lists leave behind, as the tests
// read it and set it up: journal arguments and the name list files.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "lan_form.h"
#include "rules_lan.h"

namespace ov::test {

// The arguments of a journaled NetSessionDel on the local server.
std::string sessionDel(std::string_view client,
                       std::optional<std::string_view> user = std::nullopt);
// The arguments of a journaled NetFileClose on the local server.
std::string fileClose(uint32_t fileId);
// The arguments of a journaled message box.
std::string messageBox(std::string_view caption, std::string_view text,
                       uint32_t style);

void writeBytes(const std::filesystem::path& file, std::string_view bytes);
// Options that leave the computer list "users" and the user list
// "usrnames" with these bytes beside the program before it starts.
LanFormOptions withListFiles(std::string computers, std::string users = "");

}  // namespace ov::test
