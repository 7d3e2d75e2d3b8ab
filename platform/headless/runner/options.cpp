#include "platform/headless/runner/options.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "platform/headless/virtual_clock.h"

namespace ov::headless {

namespace {

std::optional<uint64_t> parseSeconds(const std::string& text) {
  char* end = nullptr;
  const double seconds = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !(seconds >= 0) || seconds > 1e9)
    return std::nullopt;
  return static_cast<uint64_t>(seconds * 1000 + 0.5);
}

std::string withSeparator(std::string dir) {
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

}  // namespace

const char kRunnerUsage[] =
    "usage: orvane [--sim FILE | --server NAME --credentials FILE "
    "[--smb-conf FILE]] "
    "[--run-for SECONDS] [--dir DIR] [--journal FILE] [--dump FILE] "
    "[--status FILE] [--show] [--start \"YYYY-MM-DD HH:MM:SS[.mmm]\"]\n";

const char kRunnerHelp[] =
    "The main form of Orvane without a window: on a virtual clock against the\n"
    "simulated LAN, or in real time against a Samba server.\n"
    "  --sim FILE         play the scenario FILE on the simulated LAN; "
    "without it\n"
    "                     nobody is on the LAN and the interfaces are this\n"
    "                     machine's own\n"
    "  --run-for SECONDS  end the run after that much virtual time "
    "(default: an\n"
    "                     hour; an exit in the scenario ends it sooner)\n"
    "  --dir DIR          the program's folder, an existing one: OV.CFG, the "
    "lists,\n"
    "                     the rules and traffic.log live there (default: the\n"
    "                     folder of this program)\n"
    "  --server NAME      watch the Samba server NAME instead, in real time, "
    "until\n"
    "                     --run-for ends or SIGINT or SIGTERM comes, which "
    "end it\n"
    "                     as the main menu's exit does\n"
    "  --credentials FILE the account for --server, in the format of "
    "smbclient's\n"
    "                     --authentication-file (username =, password =, "
    "domain =)\n"
    "  --smb-conf FILE    the server is this machine's smbd with that "
    "smb.conf:\n"
    "                     smbstatus tells the clients' protocols and the\n"
    "                     statistics (localhost and 127.0.0.1 are this "
    "machine's\n"
    "                     smbd without it)\n"
    "  --show             show the window at start, as a double click on the "
    "tray\n"
    "                     icon does\n"
    "  --status FILE      rewrite the dump there after every timer (beside "
    "it, then\n"
    "                     renamed)\n"
    "  --journal FILE     write every effect on the world there, one JSON "
    "line each\n"
    "  --dump FILE        write what the form shows there at the end of the "
    "run\n"
    "  --start TIME       the local date and time the virtual clock starts at\n"
    "                     (default: now), with milliseconds as .mmm\n"
    "  --help, -h         show this and exit\n"
    "Exit status: 0 after a run, 2 for a mistake in the command line or the\n"
    "scenario.\n";

std::optional<LocalDateTime> parseStartTime(const std::string& text) {
  LocalDateTime t;
  int used = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%n", &t.year, &t.month,
                  &t.day, &t.hour, &t.minute, &t.second, &used) != 6)
    return std::nullopt;
  // Milliseconds, when given, are three digits after a dot.
  const std::string_view rest = std::string_view(text).substr(used);
  if (!rest.empty()) {
    if (rest.size() != 4 || rest[0] != '.' ||
        !std::all_of(rest.begin() + 1, rest.end(),
                     [](char c) { return c >= '0' && c <= '9'; }))
      return std::nullopt;
    t.millisecond = std::stoi(std::string(rest.substr(1)));
  }
  if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 ||
      t.minute > 59 || t.second > 59 || t.year < 1601 || t.year > 9999)
    return std::nullopt;
  // Normalises the day of the week and rejects days a month does not have.
  const LocalDateTime normal = addMilliseconds(t, 0);
  if (normal.day != t.day) return std::nullopt;
  return normal;
}

std::optional<RunnerOptions> parseRunnerOptions(
    const std::vector<std::string>& args, const std::string& defaultDir,
    std::string& error) {
  RunnerOptions options;
  options.programDir = withSeparator(defaultDir);
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (name == "--help" || name == "-h") {
      options.help = true;
      return options;
    }
    if (name == "--show") {
      options.show = true;
      continue;
    }
    if (i + 1 >= args.size()) {
      error = name.rfind("--", 0) == 0 ? name + " needs a value"
                                       : "unexpected argument '" + name + "'";
      return std::nullopt;
    }
    const std::string& value = args[++i];
    if (name == "--sim") {
      options.scenario = value;
    } else if (name == "--run-for") {
      options.runForMs = parseSeconds(value);
      if (!options.runForMs) {
        error = "--run-for takes seconds, not '" + value + "'";
        return std::nullopt;
      }
    } else if (name == "--dir") {
      std::error_code notThere;
      if (!std::filesystem::is_directory(value, notThere)) {
        error = "--dir names no folder: '" + value + "'";
        return std::nullopt;
      }
      options.programDir = withSeparator(value);
    } else if (name == "--server") {
      options.server = value;
    } else if (name == "--credentials") {
      options.credentials = value;
    } else if (name == "--smb-conf") {
      options.smbConf = value;
    } else if (name == "--status") {
      options.status = value;
    } else if (name == "--journal") {
      options.journal = value;
    } else if (name == "--dump") {
      options.dump = value;
    } else if (name == "--start") {
      options.start = parseStartTime(value);
      if (!options.start) {
        error =
            "--start takes \"YYYY-MM-DD HH:MM:SS[.mmm]\", not '" + value + "'";
        return std::nullopt;
      }
    } else {
      error = "unknown option '" + name + "'";
      return std::nullopt;
    }
  }
  if (!options.server.empty() && !options.scenario.empty())
    error = "--sim and --server exclude each other";
  else if (options.server.empty() != options.credentials.empty())
    error = "--server and --credentials go together";
  else if (options.smbConf && options.server.empty())
    error = "--smb-conf goes with --server";
  if (!error.empty()) return std::nullopt;
  return options;
}

}  // namespace ov::headless
