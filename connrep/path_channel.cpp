#include "connrep/path_channel.h"

#include <limits>
#include <stdexcept>
#include <utility>

namespace connrep {

bool PathChannel::Send(std::string_view path, uint64_t hash) {
  if (path.size() > std::numeric_limits<uint16_t>::max())
    throw std::length_error("path too long to send");
  if (!filling_.bytes)
    filling_.bytes = std::make_unique_for_overwrite<char[]>(kBatchBytes);
  char* entry = filling_.bytes.get() + filling_.used;
  const auto length = static_cast<uint16_t>(path.size());
  std::memcpy(entry, &hash, sizeof hash);
  std::memcpy(entry + 8, &length, sizeof length);
  std::memcpy(entry + 10, path.data(), path.size());
  filling_.used += 10 + path.size();
  if (kBatchBytes - filling_.used >= kLongestEntry) return false;
  {
    std::lock_guard lock(mutex_);
    sent_.push_back(std::move(filling_));
  }
  changed_.notify_one();
  filling_ = Batch{};
  return true;
}

void PathChannel::Close() {
  {
    std::lock_guard lock(mutex_);
    if (filling_.used > 0) sent_.push_back(std::move(filling_));
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
