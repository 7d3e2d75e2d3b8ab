// A stand-in netapi32.dll for the tests under Wine, whose own NETAPI32
// reports nothing and ends the process on several calls. It answers from
// "netapi_fixture.txt" in the current folder, read at every call, and
// appends every call it receives, with its arguments, to "netapi_calls.log".
//
// Fixture lines, fields separated by tabs; "-" stands for a null string and
// "{U+XXXX}" in a text for that UTF-16 word as it is, lone surrogates too:
//   batch N                                    entries per call
//   fail CALL STATUS                           CALL returns STATUS
//   session CLIENT USER CLTYPE TRANSPORT TIME IDLE OPENS
//   file ID PERMISSIONS LOCKS USER PATH
//   connection NETNAME USER
//   share NAME TYPE PATH REMARK
//   server NAME PLATFORM MAJOR MINOR TYPE COMMENT
//   stats SERVICE COUNTER...                   the record's counters in order
#include "platform/win32/windows_api.h"
// After windows.h.
#include <lm.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Fields = std::vector<std::string>;

std::vector<Fields> fixture() {
  std::vector<Fields> lines;
  std::ifstream in("netapi_fixture.txt", std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Fields fields;
    std::stringstream split(line);
    for (std::string field; std::getline(split, field, '\t');)
      fields.push_back(field);
    if (!fields.empty()) lines.push_back(fields);
  }
  return lines;
}

std::vector<Fields> linesOf(const char* kind) {
  std::vector<Fields> out;
  for (const Fields& f : fixture())
    if (f[0] == kind) out.push_back(f);
  return out;
}

const Fields* fixtureLine(const char* kind, const std::string& key) {
  static std::vector<Fields> kept;
  kept = linesOf(kind);
  for (const Fields& f : kept)
    if (f.size() > 1 && f[1] == key) return &f;
  return nullptr;
}

std::string field(const Fields& f, std::size_t i) {
  return i < f.size() ? f[i] : "-";
}

DWORD number(const Fields& f, std::size_t i) {
  return static_cast<DWORD>(std::stoul(field(f, i), nullptr, 0));
}

std::string utf8(LPCWSTR wide) {
  if (!wide) return "null";
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  std::string out(size > 0 ? size - 1 : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring wideFromUtf8(const std::string& text) {
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
  std::wstring out(size > 0 ? size - 1 : 0, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, out.data(), size);
  return out;
}

// The word of a "{U+XXXX}" at text[at], or -1.
long escapedWord(const std::string& text, std::size_t at) {
  if (text.compare(at, 3, "{U+") != 0 || at + 8 > text.size() ||
      text[at + 7] != '}')
    return -1;
  const std::string digits = text.substr(at + 3, 4);
  if (digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
    return -1;
  return std::stol(digits, nullptr, 16);
}

std::wstring wide(const std::string& text) {
  std::wstring out;
  std::size_t plain = 0;
  for (std::size_t at = text.find("{U+"); at != std::string::npos;
       at = text.find("{U+", at + 1)) {
    const long word = escapedWord(text, at);
    if (word < 0) continue;
    out += wideFromUtf8(text.substr(plain, at - plain));
    out += static_cast<wchar_t>(word);
    plain = at + 8;
    at += 7;
  }
  return out + wideFromUtf8(text.substr(plain));
}

void logCall(const std::string& line) {
  std::ofstream("netapi_calls.log", std::ios::binary | std::ios::app)
      << line << "\n";
}

// The status the fixture sets for this call, or NERR_Success.
NET_API_STATUS failure(const char* call) {
  for (const Fields& f : linesOf("fail"))
    if (field(f, 1) == call) return number(f, 2);
  return NERR_Success;
}

DWORD batchSize() {
  const auto lines = linesOf("batch");
  return lines.empty() ? 0xFFFFFFFFu : number(lines.front(), 1);
}

// One buffer holding the records and, after them, their strings.
class Block {
 public:
  Block(std::size_t recordBytes, const std::vector<std::string>& strings) {
    std::size_t bytes = recordBytes;
    for (const std::string& s : strings)
      bytes += (wide(s).size() + 1) * sizeof(WCHAR);
    void* data = nullptr;
    NetApiBufferAllocate(static_cast<DWORD>(bytes), &data);
    data_ = static_cast<BYTE*>(data);
    std::memset(data_, 0, bytes);
    next_ = reinterpret_cast<WCHAR*>(data_ + recordBytes);
  }
  BYTE* data() const { return data_; }
  // A copy of the text in the block; null for "-".
  LPWSTR put(const std::string& text) {
    if (text == "-") return nullptr;
    const std::wstring w = wide(text);
    LPWSTR at = next_;
    std::memcpy(at, w.c_str(), (w.size() + 1) * sizeof(WCHAR));
    next_ += w.size() + 1;
    return at;
  }

 private:
  BYTE* data_;
  WCHAR* next_;
};

// Hands out the entries from the resume position on, batch by batch.
template <typename Record, typename Fill>
NET_API_STATUS enumerate(const std::vector<Fields>& lines,
                         const std::vector<std::size_t>& stringFields,
                         LPBYTE* bufptr, LPDWORD read, LPDWORD total,
                         DWORD& resume, Fill fill) {
  const std::size_t from = resume;
  const std::size_t count =
      from >= lines.size()
          ? 0
          : std::min<std::size_t>(lines.size() - from, batchSize());
  std::vector<std::string> strings;
  for (std::size_t i = from; i < from + count; ++i)
    for (std::size_t f : stringFields) strings.push_back(field(lines[i], f));
  Block block(sizeof(Record) * count, strings);
  auto* records = reinterpret_cast<Record*>(block.data());
  for (std::size_t i = 0; i < count; ++i)
    fill(records[i], lines[from + i], block);
  *bufptr = block.data();
  *read = static_cast<DWORD>(count);
  *total = static_cast<DWORD>(lines.size() - from);
  resume = static_cast<DWORD>(from + count);
  return from + count < lines.size() ? ERROR_MORE_DATA : NERR_Success;
}

std::string text(DWORD value) { return std::to_string(value); }

// The share record's fields, and its access list's first grant.
std::string shareText(const SHARE_INFO_502& s) {
  std::string out = utf8(s.shi502_netname) + "\t" + text(s.shi502_type) + "\t" +
                    utf8(s.shi502_path) + "\t" + utf8(s.shi502_remark) + "\t" +
                    text(s.shi502_max_uses) + "\t";
  BOOL present = FALSE, defaulted = FALSE;
  PACL acl = nullptr;
  void* ace = nullptr;
  if (s.shi502_security_descriptor &&
      GetSecurityDescriptorDacl(s.shi502_security_descriptor, &present, &acl,
                                &defaulted) &&
      present && acl && GetAce(acl, 0, &ace)) {
    char mask[16];
    std::snprintf(mask, sizeof mask, "0x%08lX",
                  static_cast<ACCESS_ALLOWED_ACE*>(ace)->Mask);
    out += mask;
  } else {
    out += "no descriptor";
  }
  return out;
}

}  // namespace

extern "C" {

NET_API_STATUS WINAPI NetApiBufferAllocate(DWORD ByteCount, LPVOID* Buffer) {
  logCall("NetApiBufferAllocate");
  *Buffer = HeapAlloc(GetProcessHeap(), 0, ByteCount ? ByteCount : 1);
  return *Buffer ? NERR_Success : ERROR_NOT_ENOUGH_MEMORY;
}

NET_API_STATUS WINAPI NetApiBufferFree(LPVOID Buffer) {
  logCall("NetApiBufferFree");
  if (Buffer) HeapFree(GetProcessHeap(), 0, Buffer);
  return NERR_Success;
}

NET_API_STATUS WINAPI NetSessionEnum(LMSTR servername, LMSTR UncClientName,
                                     LMSTR username, DWORD level,
                                     LPBYTE* bufptr, DWORD prefmaxlen,
                                     LPDWORD entriesread, LPDWORD totalentries,
                                     LPDWORD resume_handle) {
  logCall("NetSessionEnum\t" + utf8(servername) + "\t" + utf8(UncClientName) +
          "\t" + utf8(username) + "\t" + text(level) + "\t" + text(prefmaxlen) +
          "\t" + text(*resume_handle));
  *bufptr = nullptr;
  *entriesread = *totalentries = 0;
  if (const NET_API_STATUS status = failure("NetSessionEnum")) return status;
  const auto lines = linesOf("session");
  if (level == 502)
    return enumerate<SESSION_INFO_502>(
        lines, {1, 2, 3, 4}, bufptr, entriesread, totalentries, *resume_handle,
        [](SESSION_INFO_502& r, const Fields& f, Block& b) {
          r.sesi502_cname = b.put(field(f, 1));
          r.sesi502_username = b.put(field(f, 2));
          r.sesi502_cltype_name = b.put(field(f, 3));
          r.sesi502_transport = b.put(field(f, 4));
          r.sesi502_time = number(f, 5);
          r.sesi502_idle_time = number(f, 6);
          r.sesi502_num_opens = number(f, 7);
        });
  if (level == 10)
    return enumerate<SESSION_INFO_10>(
        lines, {1, 2}, bufptr, entriesread, totalentries, *resume_handle,
        [](SESSION_INFO_10& r, const Fields& f, Block& b) {
          r.sesi10_cname = b.put(field(f, 1));
          r.sesi10_username = b.put(field(f, 2));
          r.sesi10_time = number(f, 5);
          r.sesi10_idle_time = number(f, 6);
        });
  return ERROR_INVALID_LEVEL;
}

NET_API_STATUS WINAPI NetSessionDel(LMSTR servername, LMSTR UncClientName,
                                    LMSTR username) {
  logCall("NetSessionDel\t" + utf8(servername) + "\t" + utf8(UncClientName) +
          "\t" + utf8(username));
  return failure("NetSessionDel");
}

NET_API_STATUS WINAPI NetConnectionEnum(LMSTR servername, LMSTR qualifier,
                                        DWORD level, LPBYTE* bufptr,
                                        DWORD prefmaxlen, LPDWORD entriesread,
                                        LPDWORD totalentries,
                                        LPDWORD resume_handle) {
  logCall("NetConnectionEnum\t" + utf8(servername) + "\t" + utf8(qualifier) +
          "\t" + text(level) + "\t" + text(prefmaxlen) + "\t" +
          text(*resume_handle));
  *bufptr = nullptr;
  *entriesread = *totalentries = 0;
  if (const NET_API_STATUS status = failure("NetConnectionEnum")) return status;
  if (level != 1) return ERROR_INVALID_LEVEL;
  return enumerate<CONNECTION_INFO_1>(
      linesOf("connection"), {1, 2}, bufptr, entriesread, totalentries,
      *resume_handle, [](CONNECTION_INFO_1& r, const Fields& f, Block& b) {
        r.coni1_netname = b.put(field(f, 1));
        r.coni1_username = b.put(field(f, 2));
        r.coni1_num_opens = 1;
      });
}

NET_API_STATUS WINAPI NetFileEnum(LMSTR servername, LMSTR basepath,
                                  LMSTR username, DWORD level, LPBYTE* bufptr,
                                  DWORD prefmaxlen, LPDWORD entriesread,
                                  LPDWORD totalentries,
                                  PDWORD_PTR resume_handle) {
  logCall("NetFileEnum\t" + utf8(servername) + "\t" + utf8(basepath) + "\t" +
          utf8(username) + "\t" + text(level) + "\t" + text(prefmaxlen) + "\t" +
          text(static_cast<DWORD>(*resume_handle)));
  *bufptr = nullptr;
  *entriesread = *totalentries = 0;
  if (const NET_API_STATUS status = failure("NetFileEnum")) return status;
  if (level != 3) return ERROR_INVALID_LEVEL;
  DWORD resume = static_cast<DWORD>(*resume_handle);
  const NET_API_STATUS status = enumerate<FILE_INFO_3>(
      linesOf("file"), {4, 5}, bufptr, entriesread, totalentries, resume,
      [](FILE_INFO_3& r, const Fields& f, Block& b) {
        r.fi3_id = number(f, 1);
        r.fi3_permissions = number(f, 2);
        r.fi3_num_locks = number(f, 3);
        r.fi3_username = b.put(field(f, 4));
        r.fi3_pathname = b.put(field(f, 5));
      });
  *resume_handle = resume;
  return status;
}

NET_API_STATUS WINAPI NetFileClose(LMSTR servername, DWORD fileid) {
  logCall("NetFileClose\t" + utf8(servername) + "\t" + text(fileid));
  return failure("NetFileClose");
}

NET_API_STATUS WINAPI NetShareEnum(LMSTR servername, DWORD level,
                                   LPBYTE* bufptr, DWORD prefmaxlen,
                                   LPDWORD entriesread, LPDWORD totalentries,
                                   LPDWORD resume_handle) {
  logCall("NetShareEnum\t" + utf8(servername) + "\t" + text(level) + "\t" +
          text(prefmaxlen) + "\t" + text(*resume_handle));
  *bufptr = nullptr;
  *entriesread = *totalentries = 0;
  if (const NET_API_STATUS status = failure("NetShareEnum")) return status;
  const auto lines = linesOf("share");
  if (level == 502)
    return enumerate<SHARE_INFO_502>(
        lines, {1, 3, 4}, bufptr, entriesread, totalentries, *resume_handle,
        [](SHARE_INFO_502& r, const Fields& f, Block& b) {
          r.shi502_netname = b.put(field(f, 1));
          r.shi502_type = number(f, 2);
          r.shi502_path = b.put(field(f, 3));
          r.shi502_remark = b.put(field(f, 4));
          r.shi502_max_uses = 0xFFFFFFFFu;
        });
  if (level == 1)
    return enumerate<SHARE_INFO_1>(
        lines, {1, 4}, bufptr, entriesread, totalentries, *resume_handle,
        [](SHARE_INFO_1& r, const Fields& f, Block& b) {
          r.shi1_netname = b.put(field(f, 1));
          r.shi1_type = number(f, 2);
          r.shi1_remark = b.put(field(f, 4));
        });
  return ERROR_INVALID_LEVEL;
}

NET_API_STATUS WINAPI NetShareGetInfo(LMSTR servername, LMSTR netname,
                                      DWORD level, LPBYTE* bufptr) {
  logCall("NetShareGetInfo\t" + utf8(servername) + "\t" + utf8(netname) + "\t" +
          text(level));
  *bufptr = nullptr;
  if (const NET_API_STATUS status = failure("NetShareGetInfo")) return status;
  const Fields* share = fixtureLine("share", utf8(netname));
  if (!share) return NERR_NetNameNotFound;
  Block block(sizeof(SHARE_INFO_2),
              {field(*share, 1), field(*share, 3), field(*share, 4)});
  auto* r = reinterpret_cast<SHARE_INFO_2*>(block.data());
  r->shi2_netname = block.put(field(*share, 1));
  r->shi2_type = number(*share, 2);
  r->shi2_path = block.put(field(*share, 3));
  r->shi2_remark = block.put(field(*share, 4));
  r->shi2_max_uses = 0xFFFFFFFFu;
  *bufptr = block.data();
  return NERR_Success;
}

NET_API_STATUS WINAPI NetShareAdd(LMSTR servername, DWORD level, LPBYTE buf,
                                  LPDWORD parm_err) {
  logCall("NetShareAdd\t" + utf8(servername) + "\t" + text(level) + "\t" +
          shareText(*reinterpret_cast<SHARE_INFO_502*>(buf)));
  if (parm_err) *parm_err = 0;
  return failure("NetShareAdd");
}

NET_API_STATUS WINAPI NetShareSetInfo(LMSTR servername, LMSTR netname,
                                      DWORD level, LPBYTE buf,
                                      LPDWORD parm_err) {
  logCall("NetShareSetInfo\t" + utf8(servername) + "\t" + utf8(netname) + "\t" +
          text(level) + "\t" +
          shareText(*reinterpret_cast<SHARE_INFO_502*>(buf)));
  if (parm_err) *parm_err = 0;
  return failure("NetShareSetInfo");
}

NET_API_STATUS WINAPI NetShareDel(LMSTR servername, LMSTR netname,
                                  DWORD reserved) {
  logCall("NetShareDel\t" + utf8(servername) + "\t" + utf8(netname) + "\t" +
          text(reserved));
  return failure("NetShareDel");
}

NET_API_STATUS WINAPI NetServerGetInfo(LMSTR servername, DWORD level,
                                       LPBYTE* bufptr) {
  logCall("NetServerGetInfo\t" + utf8(servername) + "\t" + text(level));
  *bufptr = nullptr;
  if (const NET_API_STATUS status = failure("NetServerGetInfo")) return status;
  const auto servers = linesOf("server");
  if (servers.empty() || level != 101) return ERROR_BAD_NETPATH;
  const Fields& f = servers.front();
  Block block(sizeof(SERVER_INFO_101), {field(f, 1), field(f, 6)});
  auto* r = reinterpret_cast<SERVER_INFO_101*>(block.data());
  r->sv101_name = block.put(field(f, 1));
  r->sv101_platform_id = number(f, 2);
  r->sv101_version_major = number(f, 3);
  r->sv101_version_minor = number(f, 4);
  r->sv101_type = number(f, 5);
  r->sv101_comment = block.put(field(f, 6));
  *bufptr = block.data();
  return NERR_Success;
}

NET_API_STATUS WINAPI NetStatisticsGet(LMSTR server, LMSTR service, DWORD level,
                                       DWORD options, LPBYTE* bufptr) {
  logCall("NetStatisticsGet\t" + utf8(server) + "\t" + utf8(service) + "\t" +
          text(level) + "\t" + text(options));
  *bufptr = nullptr;
  if (const NET_API_STATUS status = failure("NetStatisticsGet")) return status;
  const Fields* counters = fixtureLine("stats", utf8(service));
  if (!counters || level != 0) return ERROR_INVALID_PARAMETER;
  const bool isServer = utf8(service) == "LanmanServer";
  const std::size_t bytes =
      isServer ? sizeof(STAT_SERVER_0) : sizeof(STAT_WORKSTATION_0);
  Block block(bytes, {});
  BYTE* at = block.data();
  // The workstation record starts with 13 64-bit counters.
  for (std::size_t i = 2; i < counters->size(); ++i) {
    const bool large = !isServer && i - 2 < 13;
    const unsigned long long value = std::stoull((*counters)[i]);
    std::memcpy(at, &value, large ? 8 : 4);
    at += large ? 8 : 4;
  }
  *bufptr = block.data();
  return NERR_Success;
}

}  // extern "C"
