// Paths handed between the readers: every path arrives whole and once, in
// the order sent, the longest a batch can hold included, whether taken
// while the sender goes on or after it closed.
#include "connrep/path_channel.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace connrep {
namespace {

struct Sent {
  std::string path;
  uint64_t hash;
  bool operator==(const Sent&) const = default;
};

std::vector<Sent> Paths() {
  std::vector<Sent> paths;
  for (int n = 0; n < 20000; ++n) {
    // Now and then the longest path there is, and an empty one.
    const std::size_t length = n % 997 == 0 ? 65535 : n % 13 == 0 ? 0 : n % 90;
    paths.push_back({std::string(length, static_cast<char>('a' + n % 26)),
                     n * 0x9E3779B97F4A7C15ULL});
  }
  return paths;
}

TEST(PathChannel, EveryPathArrivesWholeOnceAndInOrder) {
  const std::vector<Sent> paths = Paths();
  PathChannel channel;
  std::vector<Sent> received;
  auto take = [&](std::string_view path, uint64_t hash) {
    received.push_back({std::string(path), hash});
  };
  std::thread sender([&] {
    for (const Sent& sent : paths) channel.Send(sent.path, sent.hash);
    channel.Close();
  });
  // Taken now and then while the sender goes on, then to the close.
  for (int round = 0; round < 50; ++round) channel.Receive(take, false);
  channel.Receive(take, true);
  sender.join();
  ASSERT_EQ(received.size(), paths.size());
  EXPECT_TRUE(received == paths);
}

TEST(PathChannel, APathTooLongForAnEntryIsRefused) {
  PathChannel channel;
  EXPECT_THROW(channel.Send(std::string(65536, 'x'), 1), std::length_error);
  channel.Close();
  int taken = 0;
  channel.Receive([&](std::string_view, uint64_t) { ++taken; }, true);
  EXPECT_EQ(taken, 0);
}

}  // namespace
}  // namespace connrep
