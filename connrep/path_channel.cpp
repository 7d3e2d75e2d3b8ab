#include "connrep/path_channel.h"

#include <limits>
#include <stdexcept>
#include <utility>

namespace connrep {

bool PathChannel::Send(std::string_view path, uint64_t hash) {
  if (path.size() > std::numeric_limits<uint16_t>::max())
    throw std::length_error("path too long to send");
  const auto length = static_cast<uint16_t>(path.size());
  filling_.append(reinterpret_cast<const char*>(&hash), sizeof hash);
  filling_.append(reinterpret_cast<const char*>(&length), sizeof length);
  filling_.append(path);
  if (filling_.size() < kBatchBytes) return false;
  {
    std::lock_guard lock(mutex_);
    sent_.push_back(std::move(filling_));
  }
  changed_.notify_one();
  filling_ = std::string();
  filling_.reserve(kBatchBytes + 16);
  return true;
}

void PathChannel::Close() {
  {
    std::lock_guard lock(mutex_);
    if (!filling_.empty()) sent_.push_back(std::move(filling_));
    closed_ = true;
  }
  changed_.notify_one();
}

bool PathChannel::Collect(bool untilClosed) {
  std::unique_lock lock(mutex_);
  if (untilClosed)
    changed_.wait(lock, [&] { return closed_ || !sent_.empty(); });
  std::swap(collected_, sent_);
  return !collected_.empty();
}

}  // namespace connrep
