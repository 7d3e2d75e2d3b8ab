#pragma once
// A busy file server for scenarios: 50 sessions holding many files open
// from the start.
#include <string>

namespace ov::test {

inline constexpr int kBusySessions = 50;

inline std::string busyServerPath(int file) {
  return "C:\\Shared\\dept" + std::to_string(file % 7) + "\\doc" +
         std::to_string(file) + ".xls";
}

// File i belongs to session i mod 50 (client "PC<n>", user "user<n>").
inline std::string busyServer(int files) {
  std::string scenario;
  for (int s = 0; s < kBusySessions; ++s)
    scenario +=
        "0 connect PC" + std::to_string(s) + " user" + std::to_string(s) + "\n";
  for (int f = 0; f < files; ++f) {
    const std::string session = std::to_string(f % kBusySessions);
    scenario += "0 open " + std::to_string(f + 1) + " PC" + session + " user" +
                session + " " + busyServerPath(f) + "\n";
  }
  return scenario;
}

}  // namespace ov::test
