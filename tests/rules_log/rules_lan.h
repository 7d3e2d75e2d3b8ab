#pragma once
// The main form on the simulated LAN with the universal rules and the file
// log switched on, and the files the program reads and writes beside it.
#include <filesystem>
#include <string>
#include <string_view>

#include "lan_form.h"

namespace ov::test {

struct ProgramSetup {
  bool rules = true;  // "Включить универсальные правила"
  bool logging = true;      // "Вести лог"
  std::string rulesFile{};  // the bytes of "rules"; no file when empty
  LocalDateTime start{2026, 3, 5, 9, 0, 0, 0, 4};
  std::string localHostName{};  // the sim's own when empty
  bool hostNameFails = false;   // gethostname fails at start-up
};

// Options that write "OV.CFG" (the file log "files.log" in the program's
// folder) and "rules" before the form starts.
LanFormOptions programOptions(const ProgramSetup& setup);

// The six lines of one rule as the program writes them: 1251, CR LF.
std::string ruleRecord(int event, int action, std::string_view address,
                       std::string_view actionParam,
                       std::string_view eventParam, int use);

// A file's bytes; empty when it is missing.
std::string fileBytes(const std::filesystem::path& path);
// UTF-8 text as the program's files hold it.
std::string cp1251(std::string_view utf8);

// The journal argument text of a warning: caption, text and the style
// MB_OK | MB_TOPMOST | MB_SETFOREGROUND.
std::string warning(std::string_view caption, std::string_view text);

}  // namespace ov::test
