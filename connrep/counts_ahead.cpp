#include "connrep/counts_ahead.h"

namespace connrep {

void CountsAhead::CountOldest() {
  counts_.Count(paths_[oldest_], hashes_[oldest_], times_[oldest_],
                hints_[oldest_]);
  oldest_ = (oldest_ + 1) % kAhead;
  --waiting_;
}

void CountsAhead::Count(std::string_view path, uint64_t hash, uint64_t times) {
  if (counts_.FitsCache()) return counts_.Count(path, hash, times);
  if (waiting_ == kAhead) CountOldest();
  // Halfway, the slot has come: the record it names is sent for.
  if (waiting_ >= kAhead / 2) {
    const std::size_t half = (oldest_ + waiting_ - kAhead / 2) % kAhead;
    hints_[half] = counts_.HintFor(hashes_[half]);
  }
  counts_.Prefetch(hash);
  const std::size_t at = (oldest_ + waiting_) % kAhead;
  hints_[at] = {nullptr};
  paths_[at].assign(path);
  hashes_[at] = hash;
  times_[at] = times;
  ++waiting_;
}

void CountsAhead::Settle() {
  while (waiting_ > 0) CountOldest();
}

}  // namespace connrep
