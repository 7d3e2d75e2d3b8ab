#pragma once
// The addresses the current monitor cycle resolved for the clients of its
// sessions, for the steps that know a client only by name (a file opening
// is attributed to a computer name, while the rules act on addresses).
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ov::monitor {

class SessionAddresses {
 public:
  void clear() { entries_.clear(); }
  // A client with several sessions keeps the address recorded first.
  void record(std::string_view client, std::string_view address);
  // Exact, case-sensitive, like every name comparison of the monitor. Names
  // are cut to the client field as in the connection table, so the cut name
  // a file opening is traced to finds the address of the full one. The
  // address stays valid until the next record or clear.
  std::optional<std::string_view> addressOf(std::string_view client) const;

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
};

}  // namespace ov::monitor
