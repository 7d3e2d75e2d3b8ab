#pragma once
// The interface table of a Linux machine: the byte counters of
// /proc/net/dev, the interfaces in the order of their indexes, an
// interface without a hardware address (the loopback) with a physical
// address length of 0. The counters wrap at 2^32, as the platform's do.
#include <string>

#include "platform/iftable.h"

namespace ov::posix {

class ProcNetDev : public InterfaceTable {
 public:
  // root: where "proc" and "sys" are found; "/" on a real machine.
  explicit ProcNetDev(std::string root = "/") : root_(std::move(root)) {}
  std::optional<std::vector<IfRow>> GetIfTable() override;
  // Linux keeps its counters to itself.
  bool SetIfEntry(const IfRow&) override { return false; }

 private:
  std::string root_;
};

}  // namespace ov::posix
