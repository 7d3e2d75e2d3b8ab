#pragma once
// Failures a scenario arms for named platform calls ("fail CALL STATUS").
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ov::sim {

class FailureTable {
 public:
  // count empty: every call fails from now on. The first `skip` calls
  // succeed before that. Arming a call again replaces what was armed for it.
  void arm(std::string call, uint32_t status, std::optional<uint32_t> count,
           uint32_t skip = 0);
  // The status the next call of that name must return, if it is to fail;
  // uses up one armed failure.
  std::optional<uint32_t> take(std::string_view call);

 private:
  struct Armed {
    std::string call;
    uint32_t status = 0;
    std::optional<uint32_t> remaining;
    uint32_t skip = 0;
  };
  std::vector<Armed> armed_;
};

}  // namespace ov::sim
