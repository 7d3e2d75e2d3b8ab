#pragma once
// The security descriptor of a share as the port sees it: one access mask
// granted to everyone.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/win32/windows_api.h"

namespace ov::win32 {

// A descriptor whose access list grants mask to everyone. Its parts are
// its own, freed with it however far the building went.
class EveryoneAccess {
 public:
  explicit EveryoneAccess(uint32_t mask);
  EveryoneAccess(const EveryoneAccess&) = delete;
  EveryoneAccess& operator=(const EveryoneAccess&) = delete;
  // Whether every step of the building succeeded.
  bool built() const { return built_; }
  PSECURITY_DESCRIPTOR descriptor() { return &descriptor_; }

 private:
  bool built_ = false;
  std::vector<BYTE> sid_;
  std::vector<BYTE> acl_;
  SECURITY_DESCRIPTOR descriptor_{};
};

// The mask the descriptor's access list grants to everyone: nullopt without
// a descriptor (or with one that cannot be read), 0 when everyone is not
// named.
std::optional<uint32_t> everyoneMask(PSECURITY_DESCRIPTOR descriptor);

}  // namespace ov::win32
