#include "platform/win32/win_interfaces.h"

#include <algorithm>
#include <string_view>

#include "platform/text/cp1251.h"
#include "platform/win32/windows_api.h"
// After windows.h, which they build on.
#include <iphlpapi.h>

namespace ov::win32 {

namespace {

// 32 rows and the row count: the table of most machines fits at once.
constexpr ULONG kFirstCapacity = 27648;
constexpr int kTries = 3;

// The description as its length says, never past its field.
std::string description(const MIB_IFROW& row) {
  const DWORD length = std::min<DWORD>(row.dwDescrLen, MAXLEN_IFDESCR);
  std::string_view text(reinterpret_cast<const char*>(row.bDescr), length);
  // The length may count a terminating zero.
  const size_t zero = text.find('\0');
  return cp1251ToUtf8(text.substr(0, zero));
}

}  // namespace

std::optional<std::vector<IfRow>> WinInterfaces::GetIfTable() {
  std::vector<unsigned char> buffer(kFirstCapacity);
  for (int attempt = 0; attempt < kTries; ++attempt) {
    ULONG size = static_cast<ULONG>(buffer.size());
    auto* table = reinterpret_cast<MIB_IFTABLE*>(buffer.data());
    const DWORD status = ::GetIfTable(table, &size, TRUE);
    if (status == ERROR_INSUFFICIENT_BUFFER) {
      // More interfaces than the buffer holds: grow it and ask again.
      buffer.resize(size);
      continue;
    }
    if (status != NO_ERROR) return std::nullopt;
    std::vector<IfRow> rows;
    for (DWORD i = 0; i < table->dwNumEntries; ++i) {
      const MIB_IFROW& row = table->table[i];
      rows.push_back({row.dwIndex, row.dwPhysAddrLen, description(row),
                      row.dwInOctets, row.dwOutOctets});
    }
    return rows;
  }
  return std::nullopt;
}

bool WinInterfaces::SetIfEntry(const IfRow& row) {
  MIB_IFROW entry{};
  entry.dwIndex = row.index;
  if (::GetIfEntry(&entry) != NO_ERROR) return false;
  entry.dwInOctets = row.inOctets;
  entry.dwOutOctets = row.outOctets;
  return ::SetIfEntry(&entry) == NO_ERROR;
}

}  // namespace ov::win32
