#pragma once
// Paths handed from one reader of the log to the other, in batches: a lock
// is taken once a batch, not once a line. An entry of a batch is the
// path's hash (8 bytes), its length (2) and its bytes.
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

namespace connrep {

class PathChannel {
 public:
  // The sender's side. True when a batch went off with this path.
  bool Send(std::string_view path, uint64_t hash);
  // Sends what is left; nothing more comes.
  void Close();

  // The receiver's side: calls take(path, hash) for each path sent in the
  // batches gone off so far, or, with `untilClosed`, for every path the
  // sender will ever send.
  template <class Take>
  void Receive(Take take, bool untilClosed) {
    while (Collect(untilClosed)) {
      for (const Batch& batch : collected_)
        for (std::size_t at = 0; at < batch.used;) {
          const char* entry = batch.bytes.get() + at;
          uint64_t hash;
          uint16_t length;
          std::memcpy(&hash, entry, sizeof hash);
          std::memcpy(&length, entry + 8, sizeof length);
          take(std::string_view(entry + 10, length), hash);
          at += 10 + length;
        }
      collected_.clear();
      if (!untilClosed) return;
    }
  }

 private:
  static constexpr std::size_t kLongestEntry = 10 + 65535;
  // A batch goes off once the longest entry might not fit: at about half.
  static constexpr std::size_t kBatchBytes = 2 * kLongestEntry;
  struct Batch {
    std::unique_ptr<char[]> bytes;
    std::size_t used = 0;
  };

  // Moves the batches gone off into collected_; with `untilClosed`, waits
  // for one or for the close. False when there is nothing more to take.
  bool Collect(bool untilClosed);

  Batch filling_;  // the sender's
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Batch> sent_;
  bool closed_ = false;
  std::vector<Batch> collected_;  // the receiver's
};

}  // namespace connrep
