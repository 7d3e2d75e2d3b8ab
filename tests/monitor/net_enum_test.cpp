#include "monitor/net_enum.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ov::monitor {
namespace {

// A server answering a file enumeration in batches: each call returns the
// next scripted answer and moves the resume handle past it.
struct ScriptedFiles {
  std::vector<NetBatch<FILE_INFO_3>> answers;
  std::vector<uint32_t> resumeHandlesSeen = {};

  NetBatch<FILE_INFO_3> operator()(uint32_t& resumeHandle) {
    resumeHandlesSeen.push_back(resumeHandle);
    resumeHandle += 100;
    return answers.at(resumeHandlesSeen.size() - 1);
  }
};

NetBatch<FILE_INFO_3> filesBatch(NetStatus status,
                                 std::vector<std::string> paths) {
  NetBatch<FILE_INFO_3> batch;
  batch.status = status;
  for (auto& path : paths) {
    FILE_INFO_3 file;
    file.fi3_pathname = path;
    batch.entries.push_back(file);
  }
  return batch;
}

std::vector<std::string> readAll(ScriptedFiles& server, NetStatus& result) {
  std::vector<std::string> paths;
  result = enumerateAll(server, [&](const NetBatch<FILE_INFO_3>& batch) {
    for (const auto& file : batch.entries) paths.push_back(file.fi3_pathname);
  });
  return paths;
}

TEST(EnumerateAllTest, CallsAgainWhileMoreDataWithTheResumeHandle) {
  ScriptedFiles server{.answers = {filesBatch(ERROR_MORE_DATA, {"a", "b"}),
                                   filesBatch(ERROR_MORE_DATA, {"c"}),
                                   filesBatch(NERR_Success, {"d"})}};
  NetStatus result = ERROR_ACCESS_DENIED;
  EXPECT_EQ(readAll(server, result),
            (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(result, NERR_Success);
  EXPECT_EQ(server.resumeHandlesSeen, (std::vector<uint32_t>{0, 100, 200}));
}

TEST(EnumerateAllTest, FailureEndsItKeepingEarlierBatches) {
  ScriptedFiles server{.answers = {filesBatch(ERROR_MORE_DATA, {"a"}),
                                   filesBatch(ERROR_BAD_NETPATH, {"lost"}),
                                   filesBatch(NERR_Success, {"never"})}};
  NetStatus result = NERR_Success;
  EXPECT_EQ(readAll(server, result), std::vector<std::string>{"a"});
  EXPECT_EQ(result, ERROR_BAD_NETPATH);
  EXPECT_EQ(server.resumeHandlesSeen.size(), 2u);

  ScriptedFiles denied{.answers = {filesBatch(ERROR_ACCESS_DENIED, {"x"})}};
  EXPECT_TRUE(readAll(denied, result).empty());
  EXPECT_EQ(result, ERROR_ACCESS_DENIED);
}

TEST(EnumerateAllTest, WorksOnSessionBatches) {
  int calls = 0;
  std::vector<std::string> clients;
  const NetStatus result = enumerateAll(
      [&](uint32_t&) {
        NetApi::SessionBatch batch;
        batch.status = ++calls < 2 ? ERROR_MORE_DATA : NERR_Success;
        SESSION_INFO_10 session;
        session.sesi10_cname = "PC" + std::to_string(calls);
        batch.info10.push_back(session);
        return batch;
      },
      [&](const NetApi::SessionBatch& batch) {
        for (const auto& s : batch.info10) clients.push_back(s.sesi10_cname);
      });
  EXPECT_EQ(result, NERR_Success);
  EXPECT_EQ(clients, (std::vector<std::string>{"PC1", "PC2"}));
}

TEST(EnumerateAllTest, AServerThatNeverEndsItIsLeft) {
  // More data, one entry at a time, forever.
  std::size_t calls = 0;
  std::size_t handled = 0;
  const NetStatus endless = enumerateAll(
      [&](uint32_t&) {
        ++calls;
        return filesBatch(ERROR_MORE_DATA, {"again"});
      },
      [&](const NetBatch<FILE_INFO_3>& batch) {
        handled += batch.entries.size();
      });
  EXPECT_EQ(endless, ERROR_MORE_DATA);
  EXPECT_EQ(calls, kMaxEnumerationBatches);
  EXPECT_EQ(handled, kMaxEnumerationBatches);

  // More data with nothing in it ends it at once.
  ScriptedFiles empty{.answers = {filesBatch(ERROR_MORE_DATA, {"a"}),
                                  filesBatch(ERROR_MORE_DATA, {}),
                                  filesBatch(NERR_Success, {"never"})}};
  NetStatus result = NERR_Success;
  EXPECT_EQ(readAll(empty, result), std::vector<std::string>{"a"});
  EXPECT_EQ(result, ERROR_MORE_DATA);
}

}  // namespace
}  // namespace ov::monitor
