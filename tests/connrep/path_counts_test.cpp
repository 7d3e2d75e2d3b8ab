// The file table: every path counted under its own bytes, through the
// table's growth, whatever the length of the path.
#include "connrep/path_counts.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "connrep/counts_ahead.h"
#include "connrep/short_keys.h"

namespace connrep {
namespace {

// Each path with its count; a path listed twice fails the test.
std::map<std::string, uint64_t> Listed(const PathCounts& counts) {
  std::map<std::string, uint64_t> listed;
  counts.ForEach([&](const PathCounts::Entry& entry) {
    EXPECT_TRUE(listed.emplace(std::string(entry.path), entry.count).second)
        << "listed twice: " << entry.path;
  });
  return listed;
}

TEST(PathCounts, CountsEachPathApartThroughGrowth) {
  PathCounts counts;
  std::map<std::string, uint64_t> expected;
  // Paths that differ only in their last byte, in their length or in a
  // byte past the first eight; a few thousand make the table grow, and
  // their records fill more than one block.
  for (int n = 0; n < 60000; ++n) {
    std::string path = "D:\\Shares\\" + std::to_string(n % 15000);
    path += std::string(n % 23, 'x');
    if (n % 7 == 0) path = path.substr(0, n % 9);  // short, even empty
    const uint64_t times = 1 + n % 3;
    counts.Count(path, HashKey(path), times);
    expected[path] += times;
  }
  EXPECT_EQ(Listed(counts), expected);
  EXPECT_EQ(counts.size(), expected.size());
}

TEST(PathCounts, ListsPathsInTheOrderFirstCountedWithTheirHashes) {
  PathCounts counts;
  const std::vector<std::string> paths = {"c", "a", "\xCF\xE0\xEF\xEA\xE0",
                                          std::string(1023, 'z'), "b"};
  for (const std::string& path : paths) counts.Count(path, HashKey(path));
  counts.Count("a", HashKey("a"), 4);
  std::vector<std::string> listed;
  counts.ForEach([&](const PathCounts::Entry& entry) {
    listed.emplace_back(entry.path);
    EXPECT_EQ(entry.count, entry.path == "a" ? 5u : 1u) << entry.path;
    EXPECT_EQ(entry.hash >> 32, HashKey(entry.path) >> 32) << entry.path;
  });
  EXPECT_EQ(listed, paths);
}

TEST(PathCounts, AHintSparesTheSearchOnlyWhenItIsRight) {
  PathCounts counts;
  // Two paths under one hash: the hint names the first one counted.
  const uint64_t shared = uint64_t{0xABCD1234} << 32;
  counts.Count("a", shared);
  counts.Count("b", shared);
  const PathCounts::Hint hint = counts.HintFor(shared);
  ASSERT_NE(hint.record, nullptr);
  counts.Count("b", shared, 5, hint);
  counts.Count("a", shared, 2, hint);
  // Records never move: the hint holds through the table's growth.
  for (int n = 0; n < 5000; ++n) {
    const std::string path = "grow" + std::to_string(n);
    counts.Count(path, HashKey(path));
  }
  counts.Count("a", shared, 1, hint);
  EXPECT_EQ(counts.HintFor(uint64_t{0x0BAD0000} << 32).record, nullptr);
  const std::map<std::string, uint64_t> listed = Listed(counts);
  EXPECT_EQ(listed.at("a"), 4u);
  EXPECT_EQ(listed.at("b"), 6u);
  EXPECT_EQ(listed.size(), 5002u);
}

TEST(CountsAhead, EveryPathIsCountedOnceSettled) {
  PathCounts counts;
  CountsAhead ahead(counts);
  std::map<std::string, uint64_t> expected;
  // Fewer paths than wait at once, then more than the cache holds, which
  // are counted a few lines late; the line each came from is overwritten
  // at once, as the reader's buffer is.
  std::string line;
  for (int n = 0; n < 3; ++n) {
    line = "short" + std::to_string(n);
    ahead.Count(line, HashKey(line), 2);
    expected[line] += 2;
    line.assign(line.size(), '#');
  }
  ahead.Settle();
  EXPECT_EQ(Listed(counts), expected);
  for (int n = 0; n < 60000; ++n) {
    line = "\\\\srv\\docs\\file" + std::to_string(n % 25000);
    ahead.Count(line, HashKey(line));
    expected[line] += 1;
    line.assign(line.size(), '#');
  }
  ahead.Settle();
  EXPECT_EQ(Listed(counts), expected);
}

}  // namespace
}  // namespace connrep
