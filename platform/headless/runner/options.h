#pragma once
// The command line of the headless runner.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"

namespace ov::headless {

struct RunnerOptions {
  // Empty: nobody on the LAN, and the machine's own interfaces.
  std::string scenario;
  std::optional<uint64_t> runForMs;
  std::string programDir;  // ends in a path separator
  std::string journal;
  std::string dump;
  std::optional<LocalDateTime> start;
  bool help = false;  // --help or -h: the usage is asked for, nothing runs
  // A real server watched instead of the simulated LAN, on the wall clock.
  std::string server;
  std::string credentials;  // smbclient's authentication file
  // The server is this machine's smbd with this smb.conf.
  std::optional<std::string> smbConf;
  bool show = false;   // the window shown at start
  std::string status;  // the dump, rewritten after every timer
};

// The usage line, and what each option does.
extern const char kRunnerUsage[];
extern const char kRunnerHelp[];

// Reads the arguments after the program name; on a mistake, error says
// what is wrong. A --dir that names no folder is a mistake: every save
// would go nowhere.
std::optional<RunnerOptions> parseRunnerOptions(
    const std::vector<std::string>& args, const std::string& defaultDir,
    std::string& error);

// "YYYY-MM-DD HH:MM:SS"
std::optional<LocalDateTime> parseStartTime(const std::string& text);

}  // namespace ov::headless
