// What the port reads of smbstatus's JSON: the reader's handling of good
// and damaged documents, each session's dialect, and the server's counters
// from the profile.
#include "platform/samba/smb_status.h"

#include <gtest/gtest.h>

#include "platform/samba/json_value.h"

namespace ov::samba {
namespace {

TEST(JsonValue, ReadsNestedDocumentsWithEscapesAndRefusesDamagedOnes) {
  const auto doc = parseJson(
      " {\"a\": [1, -2.5e3, true, null], \"name\": \"\\u041e\\u0442\\\"ч\\/"
      "\\ud83d\\ude00\", \"big\": 18446744073709551615, \"empty\": {}}\r\n");
  ASSERT_TRUE(doc.has_value());
  ASSERT_NE(doc->member("a"), nullptr);
  const auto& items = doc->member("a")->items;
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0].whole(), 1u);
  EXPECT_EQ(items[1].text, "-2.5e3");
  EXPECT_EQ(items[1].whole(), 0u);  // not a whole number
  EXPECT_EQ(items[2].kind, JsonValue::Kind::Bool);
  EXPECT_EQ(items[3].kind, JsonValue::Kind::Null);
  EXPECT_EQ(doc->member("name")->text, "От\"ч/\xF0\x9F\x98\x80");
  EXPECT_EQ(doc->member("big")->whole(), 18446744073709551615ull);
  EXPECT_TRUE(doc->member("empty")->members.empty());
  EXPECT_EQ(doc->member("missing"), nullptr);

  for (const char* damaged :
       {"", "{", "{\"a\" 1}", "{\"a\": 1,}", "[1 2]", "\"open", "\"\\x\"",
        "\"\\ud83d\"", "\"\\udc00\"", "\"tab\tinside\"", "+1", "inf", "nan",
        "tru", "{} {}", "{\"a\": 1}x"})
    EXPECT_FALSE(parseJson(damaged).has_value()) << damaged;

  // Nesting deeper than any status is refused, not followed down the stack.
  const std::string deep(100000, '[');
  EXPECT_FALSE(parseJson(deep + std::string(100000, ']')).has_value());
  const std::string fine(60, '[');
  EXPECT_TRUE(parseJson(fine + std::string(60, ']')).has_value());
}

TEST(SmbStatus, EachSessionsDialectByClientAndUser) {
  const auto status = parseJson(R"({"sessions": {
    "1": {"username": "ovbuh", "remote_machine": "10.77.0.2",
          "session_dialect": "SMB3_11"},
    "2": {"username": "OFFICE\\ivan", "remote_machine": "buh-pc",
          "session_dialect": "SMB2_10"},
    "3": {"remote_machine": "10.77.0.9"}}})");
  ASSERT_TRUE(status.has_value());
  const SessionDialects dialects = sessionDialects(*status);
  EXPECT_EQ(dialects.size(), 3u);
  EXPECT_EQ(dialects.at({"10.77.0.2", "ovbuh"}), "SMB3_11");
  EXPECT_EQ(dialects.at({"buh-pc", "ivan"}), "SMB2_10");
  EXPECT_EQ(dialects.at({"10.77.0.9", ""}), "");
  EXPECT_TRUE(sessionDialects(*parseJson("{}")).empty());
}

TEST(SmbStatus, TheServersCountersComeFromTheProfile) {
  const auto profile = parseJson(R"({
    "SMBD loop": {"connect": {"count": 3}, "idle": {"count": 8}},
    "SMB Calls": {"SMBntcreateX": {"count": 2, "time": 1000,
                                   "inbytes": 100, "outbytes": 200}},
    "SMB2 Calls": {
      "smb2_create": {"count": 5, "time": 9000, "inbytes": 4294967296,
                      "outbytes": 8589934592},
      "smb2_read": {"count": 3, "time": 2000, "inbytes": 4,
                    "outbytes": 1048576}}})");
  ASSERT_TRUE(profile.has_value());
  STAT_SERVER_0 server;
  server.counters[6] = 99;  // everything is written afresh
  ASSERT_TRUE(serverStatistics(*profile, 1700000000, server));
  EXPECT_EQ(server.counters[0], 1700000000u);  // sts0_start
  EXPECT_EQ(server.counters[1], 7u);           // sts0_fopens
  EXPECT_EQ(server.counters[4], 3u);           // sts0_sopens
  EXPECT_EQ(server.counters[6], 0u);           // not counted by Samba
  // Sent: 200 + 8 GiB + 1 MiB; received: 100 + 4 GiB + 4.
  EXPECT_EQ(server.counters[10], 200u + 1048576u);  // low half
  EXPECT_EQ(server.counters[11], 2u);               // high half
  EXPECT_EQ(server.counters[12], 104u);
  EXPECT_EQ(server.counters[13], 1u);
  EXPECT_EQ(server.counters[14], 1u);  // 12 ms over 10 calls, in ms

  // Profiling off: no counters at all.
  EXPECT_FALSE(
      serverStatistics(*parseJson(R"({"timestamp": "x"})"), 0, server));
}

}  // namespace
}  // namespace ov::samba
