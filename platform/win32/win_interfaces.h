#pragma once
// The interface table of IP Helper: GetIfTable, sorted, in a buffer that
// grows to whatever the machine's table needs.
#include "platform/iftable.h"

namespace ov::win32 {

class WinInterfaces : public InterfaceTable {
 public:
  std::optional<std::vector<IfRow>> GetIfTable() override;
  bool SetIfEntry(const IfRow& row) override;
};

}  // namespace ov::win32
