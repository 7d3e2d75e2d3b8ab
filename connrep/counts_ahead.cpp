#include "connrep/counts_ahead.h"

namespace connrep {

void CountsAhead::CountOldest() {
  counts_.Count(paths_[oldest_], hashes_[oldest_], times_[oldest_]);
  oldest_ = (oldest_ + 1) % kAhead;
  --waiting_;
}

void CountsAhead::Count(std::string_view path, uint64_t hash, uint64_t times) {
  if (waiting_ == kAhead) CountOldest();
  // Halfway, the slot has come: its record is sent for.
  if (waiting_ >= kAhead / 2)
    counts_.PrefetchRecord(hashes_[(oldest_ + waiting_ - kAhead / 2) % kAhead]);
  counts_.Prefetch(hash);
  const std::size_t at = (oldest_ + waiting_) % kAhead;
  paths_[at].assign(path);
  hashes_[at] = hash;
  times_[at] = times;
  ++waiting_;
}

void CountsAhead::Settle() {
  while (waiting_ > 0) CountOldest();
}

}  // namespace connrep
