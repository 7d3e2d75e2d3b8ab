#include "monitor/opened_file_ring.h"

#include <gtest/gtest.h>

#include <string>

namespace ov::monitor {
namespace {

TEST(OpenedFileRingTest, FirstEntryLandsInSlotOne) {
  OpenedFileRing ring;
  EXPECT_FALSE(ring.contains("C:\\a.doc", "ivan"));
  const auto& stored = ring.remember("C:\\a.doc", "ivan");
  EXPECT_EQ(stored.path, "C:\\a.doc");
  EXPECT_EQ(ring.writePosition(), 1);
  EXPECT_EQ(ring.slot(1).path, "C:\\a.doc");
  EXPECT_EQ(ring.slot(0).path, "");
  EXPECT_TRUE(ring.contains("C:\\a.doc", "ivan"));
  // Both halves must match, exactly.
  EXPECT_FALSE(ring.contains("C:\\a.doc", "olga"));
  EXPECT_FALSE(ring.contains("C:\\A.doc", "ivan"));
  EXPECT_FALSE(ring.contains("C:\\a.doc", "Ivan"));
}

TEST(OpenedFileRingTest, WrapForgetsTheOldestEntry) {
  OpenedFileRing ring;
  ring.remember("C:\\first.doc", "ivan");
  for (int i = 0; i < 255; ++i) {
    ring.remember("C:\\f" + std::to_string(i), "olga");
  }
  EXPECT_EQ(ring.writePosition(), 0);
  EXPECT_EQ(ring.slot(0).path, "C:\\f254");
  EXPECT_TRUE(ring.contains("C:\\first.doc", "ivan"));

  ring.remember("C:\\f255", "olga");
  EXPECT_EQ(ring.writePosition(), 1);
  EXPECT_FALSE(ring.contains("C:\\first.doc", "ivan"));
  EXPECT_TRUE(ring.contains("C:\\f0", "olga"));
}

TEST(OpenedFileRingTest, LongNamesMatchTheirStoredCut) {
  OpenedFileRing ring;
  const std::string longPath = "C:\\" + std::string(300, 'p');
  std::string longUser;
  for (int i = 0; i < 40; ++i) longUser += "Щ";
  const auto& stored = ring.remember(longPath, longUser);
  EXPECT_EQ(stored.path, longPath.substr(0, 255));
  EXPECT_EQ(stored.userName.size(), 32u * 2u);
  EXPECT_TRUE(ring.contains(longPath, longUser));
  EXPECT_TRUE(ring.contains(longPath.substr(0, 255), longUser));
}

TEST(OpenedFileRingTest, LookupAnswersAsAScanOfEverySlot) {
  OpenedFileRing ring;
  const auto scan = [&ring](const std::string& path, const std::string& user) {
    for (std::size_t i = 0; i < OpenedFileRing::kSlots; ++i)
      if (ring.slot(i).path == path && ring.slot(i).userName == user)
        return true;
    return false;
  };
  // Never-written slots hold the empty opening until the ring has wrapped.
  EXPECT_TRUE(ring.contains("", ""));
  // Repeats and wraps: 700 openings over 300 names, some held twice.
  unsigned seed = 7;
  for (int i = 0; i < 700; ++i) {
    seed = seed * 1103515245u + 12345u;
    const std::string path = "C:\\f" + std::to_string(seed % 300);
    const std::string user = seed % 7 == 0 ? "olga" : "ivan";
    ring.remember(path, user);
    for (int probe = 0; probe < 300; probe += 13) {
      const std::string probePath = "C:\\f" + std::to_string(probe);
      ASSERT_EQ(ring.contains(probePath, "ivan"), scan(probePath, "ivan"));
      ASSERT_EQ(ring.contains(probePath, "olga"), scan(probePath, "olga"));
    }
    ASSERT_EQ(ring.contains("", ""), scan("", "")) << i;
  }
  EXPECT_FALSE(ring.contains("", ""));
}

}  // namespace
}  // namespace ov::monitor
