#include "platform/posix/posix_process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

extern char** environ;

namespace ov::posix {

namespace {

// Blanks separate items; double quotes group blanks into one, and are
// dropped.
std::vector<std::string> splitCommandLine(std::string_view line) {
  std::vector<std::string> items;
  std::string item;
  bool quoted = false;
  bool inItem = false;
  for (const char c : line) {
    if (c == '"') {
      quoted = !quoted;
      inItem = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inItem) items.push_back(item);
      item.clear();
      inItem = false;
    } else {
      item += c;
      inItem = true;
    }
  }
  if (inItem) items.push_back(item);
  return items;
}

std::string nativeProgram(const std::string& program) {
  constexpr std::string_view kExe = ".exe";
  if (access(program.c_str(), X_OK) == 0 || program.size() <= kExe.size() ||
      program.compare(program.size() - kExe.size(), kExe.size(), kExe) != 0)
    return program;
  return program.substr(0, program.size() - kExe.size());
}

}  // namespace

std::optional<int> PosixProcess::CreateProcess(std::string_view commandLine,
                                               const ProcessStart&) {
  std::vector<std::string> items = splitCommandLine(commandLine);
  if (items.empty()) return std::nullopt;
  items[0] = nativeProgram(items[0]);
  std::vector<char*> argv;
  for (std::string& item : items) argv.push_back(item.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
    return std::nullopt;
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  // A program ended by a signal gives what Windows gives a killed one.
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

}  // namespace ov::posix
