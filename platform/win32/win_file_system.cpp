#include "platform/win32/win_file_system.h"

#include "platform/win32/window_text.h"

namespace ov::win32 {

bool WinFileSystem::isDirectory(std::string_view path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(wideText(path).c_str(), GetFileExInfoStandard,
                            &data))
    return false;
  return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace ov::win32
