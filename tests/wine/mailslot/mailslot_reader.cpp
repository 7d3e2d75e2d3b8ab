// The receiving end of the messenger test under Wine: it holds the mailslot
// "messngr" of this machine, waits for one block and writes it to the file
// named on its command line as lower-case hex.
#include <cstdio>
#include <vector>

#include "platform/win32/windows_api.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  constexpr DWORD kWaitMs = 60000;
  HANDLE slot =
      CreateMailslotW(L"\\\\.\\mailslot\\messngr", 0, kWaitMs, nullptr);
  if (slot == INVALID_HANDLE_VALUE) return 1;
  // Ready: the test starts the sender once this file exists.
  if (std::FILE* ready = std::fopen("reader.ready", "w")) std::fclose(ready);
  std::vector<unsigned char> block(4096);
  DWORD read = 0;
  const bool got = ReadFile(slot, block.data(),
                            static_cast<DWORD>(block.size()), &read, nullptr);
  CloseHandle(slot);
  if (!got) return 1;
  std::FILE* out = std::fopen(argv[1], "w");
  if (!out) return 1;
  for (DWORD i = 0; i < read; ++i) std::fprintf(out, "%02x", block[i]);
  std::fclose(out);
  return 0;
}
