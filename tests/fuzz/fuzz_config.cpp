// "OV.CFG": any bytes read as the configuration; a value written into them
// reads back as written.
#include "app/ini_file.h"
#include "platform/text/utf8.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ov;
  const std::string path = fuzz::asFile(fuzz::textOf(data, size), "config");
  // Cut to the buffer's characters, not bytes.
  fuzz::expect(utf8Length(GetPrivateProfileString(
                   "Log", "Files", "netfiles.log", 256, path)) < 256);
  GetPrivateProfileInt("Timer", "Refresh", 1000, path);
  GetPrivateProfileInt("HotKey", "Key", 122, path);
  fuzz::expect(WritePrivateProfileString("Log", "Files", "журнал.log", path));
  fuzz::expect(GetPrivateProfileString("Log", "Files", "", 256, path) ==
               "журнал.log");
  return 0;
}
