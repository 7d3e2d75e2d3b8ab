#include "monitor/still_open_files.h"

#include <string>

namespace ov::monitor {

void StillOpenFiles::endPass(bool complete) {
  if (!complete) return;
  lastComplete_ = pass_;
  std::erase_if(lastMet_,
                [this](const auto& entry) { return entry.second < pass_; });
}

bool StillOpenFiles::metAgain(const OpeningView& opening) {
  const auto found = lastMet_.find(opening);
  if (found == lastMet_.end() || found->second < lastComplete_) return false;
  found->second = pass_;
  return true;
}

void StillOpenFiles::markOpen(const OpeningView& opening) {
  const auto found = lastMet_.find(opening);
  if (found != lastMet_.end()) {
    found->second = pass_;
    return;
  }
  lastMet_.emplace(
      OpeningKey{std::string(opening.path), std::string(opening.userName)},
      pass_);
}

}  // namespace ov::monitor
