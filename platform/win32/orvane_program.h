#pragma once
// Orvane.exe: the main form on real windows, timers and tray icon. With
// "/sim FILE" the LAN is the simulated one, played in real time.
#include <string>
#include <vector>

namespace ov::win32 {

// args: the command line after the program name. Returns the exit code.
int runProgram(const std::vector<std::string>& args);

}  // namespace ov::win32
