#pragma once
// Interface-table port: the machine's network interfaces with their octet
// counters, in the platform's sorted order.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ov {

struct IfRow {
  uint32_t index = 0;  // the platform's own number of the interface
  uint32_t physAddrLen = 0;
  std::string descr;  // UTF-8
  // Octets since the interface's counters started; they wrap at 2^32.
  uint32_t inOctets = 0;
  uint32_t outOctets = 0;
};

class InterfaceTable {
 public:
  virtual ~InterfaceTable() = default;
  // The whole table, sorted; nullopt when the platform reports a failure.
  virtual std::optional<std::vector<IfRow>> GetIfTable() = 0;
  // Writes the row's counters to the interface it names; false on failure.
  virtual bool SetIfEntry(const IfRow& row) = 0;
};

}  // namespace ov
