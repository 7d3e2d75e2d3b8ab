#pragma once
// The server every network call addresses, and the information levels that
// follow from it. The empty name is the local machine.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/locale.h"

namespace ov::monitor {

inline constexpr uint32_t kLocalSessionLevel = 502;
inline constexpr uint32_t kRemoteSessionLevel = 10;
inline constexpr uint32_t kLocalShareLevel = 502;
inline constexpr uint32_t kRemoteShareLevel = 1;

class WatchedServer {
 public:
  static constexpr std::size_t kMaxNameChars = 80;

  // Enter pressed in Edit1 holding text: picks the name and the levels.
  void setFromEditText(std::string_view text, Locale& locale);
  // Turns the calls to the local machine; the levels stay as they were.
  void clearName() { name_.clear(); }

  const std::string& name() const { return name_; }
  uint32_t sessionLevel() const { return sessionLevel_; }
  uint32_t shareLevel() const { return shareLevel_; }

 private:
  std::string name_;
  uint32_t sessionLevel_ = kLocalSessionLevel;
  uint32_t shareLevel_ = kLocalShareLevel;
};

}  // namespace ov::monitor
