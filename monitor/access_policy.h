#pragma once
// Refusing unwanted clients and files: the checks the monitor cycle applies
// to every session and every open-file entry it finds.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ov::monitor {

class AccessPolicy {
 public:
  // Returns whether the session was disconnected; the cycle then passes it
  // over for the rest of its handling.
  bool sessionChecks(std::string_view client, std::string_view address,
                     std::string_view user);
  // May close the file; the cycle goes on with the entry either way.
  void openFileChecks(uint32_t fileId);
  // position counts the entries of the enumeration from 0.
  void openFileLimit(uint32_t fileId, std::size_t position);
};

}  // namespace ov::monitor
