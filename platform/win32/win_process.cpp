#include "platform/win32/win_process.h"

#include <string>

#include "platform/win32/window_text.h"
#include "platform/win32/windows_api.h"

namespace ov::win32 {

// The port's numbers are the platform's own.
static_assert(kHiddenConsole.creationFlags == CREATE_NEW_CONSOLE &&
              kHiddenConsole.startupFlags ==
                  (STARTF_USESHOWWINDOW | STARTF_USEPOSITION |
                   STARTF_USESIZE) &&
              kHiddenConsole.showWindow == SW_HIDE);

std::optional<int> WinProcess::CreateProcess(std::string_view commandLine,
                                             const ProcessStart& start) {
  std::wstring line = wideText(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = start.startupFlags;
  startup.wShowWindow = start.showWindow;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE,
                      start.creationFlags, nullptr, nullptr, &startup,
                      &process))
    return std::nullopt;
  // Only a process that exists is waited for and released.
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(exitCode);
}

std::optional<std::string> WinProcess::ShortPath(std::string_view path) {
  const std::wstring wide = wideText(path);
  const DWORD needed = GetShortPathNameW(wide.c_str(), nullptr, 0);
  if (needed == 0) return std::nullopt;
  std::wstring alias(needed, L'\0');
  const DWORD length = GetShortPathNameW(wide.c_str(), alias.data(), needed);
  if (length == 0 || length >= needed) return std::nullopt;
  alias.resize(length);
  return utf8Text(alias);
}

}  // namespace ov::win32
