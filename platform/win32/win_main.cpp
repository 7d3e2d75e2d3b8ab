// The entry point of Orvane.exe: the command line in UTF-8.
#include "platform/win32/orvane_program.h"
#include "platform/win32/window_text.h"
#include "platform/win32/windows_api.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(ov::win32::utf8Text(argv[i]));
  LocalFree(argv);
  return ov::win32::runProgram(args);
}
