#include "platform/posix/proc_net_dev.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace ov::posix {

namespace {

std::string firstLine(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

// Six octets, unless the address is missing or all zero (the loopback).
uint32_t physicalLength(const std::string& address) {
  const bool none =
      address.empty() || address.find_first_not_of("0:") == std::string::npos;
  return none ? 0 : 6;
}

}  // namespace

std::optional<std::vector<IfRow>> ProcNetDev::GetIfTable() {
  std::ifstream in(root_ + "proc/net/dev");
  if (!in) return std::nullopt;
  std::vector<IfRow> rows;
  std::string line;
  while (std::getline(in, line)) {
    const size_t colon = line.find(':');
    // The two heading lines have their bars before any colon.
    if (colon == std::string::npos || line.find('|') != std::string::npos)
      continue;
    std::string name = line.substr(0, colon);
    name.erase(0, name.find_first_not_of(' '));
    std::istringstream fields(line.substr(colon + 1));
    uint64_t counters[9] = {};
    for (uint64_t& counter : counters) fields >> counter;
    if (!fields) continue;
    const std::string sys = root_ + "sys/class/net/" + name + "/";
    IfRow row;
    row.index = static_cast<uint32_t>(
        std::strtoul(firstLine(sys + "ifindex").c_str(), nullptr, 10));
    row.physAddrLen = physicalLength(firstLine(sys + "address"));
    row.descr = name;
    row.inOctets = static_cast<uint32_t>(counters[0]);
    row.outOctets = static_cast<uint32_t>(counters[8]);
    rows.push_back(row);
  }
  std::stable_sort(
      rows.begin(), rows.end(),
      [](const IfRow& a, const IfRow& b) { return a.index < b.index; });
  return rows;
}

}  // namespace ov::posix
