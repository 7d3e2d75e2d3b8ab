#include "platform/win32/win_file_system.h"

#include "platform/text/text_file.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

bool WinFileSystem::isDirectory(std::string_view path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(wideText(path).c_str(), GetFileExInfoStandard,
                            &data))
    return false;
  return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::string> WinFileSystem::readTextFile(std::string_view path) {
  return ov::readTextFile(path);
}

bool WinFileSystem::writeTextFile(std::string_view path,
                                  std::string_view text) {
  return ov::writeTextFile(path, text);
}

}  // namespace ov::win32
