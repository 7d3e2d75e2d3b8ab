#pragma once
// The openings the file log met in the open-file lists of the last complete
// pass (and of any pass since): a file that stays open is not recorded
// again however many other openings the ring of 256 has taken since.
#include <cstdint>

#include "monitor/opening_key.h"

namespace ov::monitor {

class StillOpenFiles {
 public:
  void beginPass() { ++pass_; }
  // After an incomplete pass the openings of the last complete one stay:
  // the files it did not reach are not taken for closed.
  void endPass(bool complete);
  // Whether the opening was met in the last complete pass or since; if so
  // it is met again now.
  bool metAgain(const OpeningView& opening);
  void markOpen(const OpeningView& opening);

 private:
  // The pass each opening was last met in.
  OpeningMap<uint64_t> lastMet_;
  uint64_t pass_ = 0;
  uint64_t lastComplete_ = 0;
};

}  // namespace ov::monitor
