// The file table: every path counted under its own bytes, through the
// table's growth, whatever the length of the path.
#include "connrep/path_counts.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "connrep/short_keys.h"

namespace connrep {
namespace {

TEST(PathCounts, CountsEachPathApartThroughGrowth) {
  PathCounts counts;
  std::map<std::string, uint64_t> expected;
  // Paths that differ only in their last byte, in their length or in a
  // byte past the first eight; a few thousand make the table grow.
  for (int n = 0; n < 5000; ++n) {
    std::string path = "D:\\Shares\\" + std::to_string(n % 1500);
    path += std::string(n % 23, 'x');
    if (n % 7 == 0) path = path.substr(0, n % 9);  // short, even empty
    const uint64_t times = 1 + n % 3;
    counts.Count(path, HashKey(path), times);
    expected[path] += times;
  }
  std::map<std::string, uint64_t> counted;
  for (const PathCounts::Entry& entry : counts.Entries())
    EXPECT_TRUE(counted.emplace(std::string(entry.path), entry.count).second)
        << "listed twice: " << entry.path;
  EXPECT_EQ(counted, expected);
}

}  // namespace
}  // namespace connrep
