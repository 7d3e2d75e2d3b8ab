#include "platform/win32/win_netapi.h"

#include <cstddef>
#include <cstring>

#include "platform/text/upper_case.h"
#include "platform/win32/net_buffer.h"
#include "platform/win32/share_security.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

namespace {

// A UTF-16 argument; an absent or empty server name is passed as null, the
// local machine.
class WideArg {
 public:
  explicit WideArg(std::optional<std::string_view> text, bool emptyIsNull)
      : present_(text && !(emptyIsNull && text->empty())),
        wide_(present_ ? wideText(*text) : std::wstring()) {}
  LPWSTR get() { return present_ ? wide_.data() : nullptr; }

 private:
  bool present_;
  std::wstring wide_;
};

WideArg serverArg(std::string_view server) { return WideArg(server, true); }
WideArg textArg(std::string_view text) { return WideArg(text, false); }

std::string text(LPCWSTR wide) { return wide ? utf8Text(wide) : std::string(); }

std::optional<std::string> nullableText(LPCWSTR wide) {
  if (!wide) return std::nullopt;
  return utf8Text(wide);
}

bool hasEntries(NET_API_STATUS status) {
  return status == NERR_Success || status == ERROR_MORE_DATA;
}

// The entries of one batch, converted; none when the call failed.
template <typename Wide, typename Record, typename Convert>
void takeEntries(NET_API_STATUS status, const NetBuffer& buffer, DWORD read,
                 std::vector<Record>& out, Convert convert) {
  if (!hasEntries(status) || !buffer.records<Wide>()) return;
  out.reserve(read);
  for (DWORD i = 0; i < read; ++i)
    out.push_back(convert(buffer.records<Wide>()[i]));
}

ov::SESSION_INFO_502 session502(const ::SESSION_INFO_502& s) {
  return {text(s.sesi502_cname),       text(s.sesi502_username),
          s.sesi502_num_opens,         s.sesi502_time,
          s.sesi502_idle_time,         s.sesi502_user_flags,
          text(s.sesi502_cltype_name), text(s.sesi502_transport)};
}

ov::SESSION_INFO_10 session10(const ::SESSION_INFO_10& s) {
  return {text(s.sesi10_cname), nullableText(s.sesi10_username), s.sesi10_time,
          s.sesi10_idle_time};
}

ov::CONNECTION_INFO_1 connection1(const ::CONNECTION_INFO_1& c) {
  return {c.coni1_id,           c.coni1_type, c.coni1_num_opens,
          c.coni1_num_users,    c.coni1_time, text(c.coni1_username),
          text(c.coni1_netname)};
}

ov::FILE_INFO_3 file3(const ::FILE_INFO_3& f) {
  return {f.fi3_id, f.fi3_permissions, f.fi3_num_locks, text(f.fi3_pathname),
          text(f.fi3_username)};
}

ov::SHARE_INFO_1 share1(const ::SHARE_INFO_1& s) {
  return {text(s.shi1_netname), s.shi1_type, text(s.shi1_remark)};
}

ov::SHARE_INFO_502 share502(const ::SHARE_INFO_502& s) {
  return {text(s.shi502_netname),
          s.shi502_type,
          text(s.shi502_remark),
          s.shi502_permissions,
          s.shi502_max_uses,
          s.shi502_current_uses,
          text(s.shi502_path),
          text(s.shi502_passwd),
          everyoneMask(s.shi502_security_descriptor)};
}

// A share record for NetShareAdd and NetShareSetInfo; the strings and the
// descriptor live as long as it does.
class WideShare {
 public:
  explicit WideShare(const ov::SHARE_INFO_502& share)
      : netName_(textArg(share.shi502_netname)),
        remark_(textArg(share.shi502_remark)),
        path_(textArg(share.shi502_path)),
        password_(WideArg(share.shi502_passwd, true)) {
    if (share.access_mask) access_.emplace(*share.access_mask);
    record_.shi502_netname = netName_.get();
    record_.shi502_type = share.shi502_type;
    record_.shi502_remark = remark_.get();
    record_.shi502_permissions = share.shi502_permissions;
    record_.shi502_max_uses = share.shi502_max_uses;
    record_.shi502_current_uses = share.shi502_current_uses;
    record_.shi502_path = path_.get();
    record_.shi502_passwd = password_.get();
    record_.shi502_reserved = 0;
    record_.shi502_security_descriptor =
        access_ ? access_->descriptor() : nullptr;
  }
  LPBYTE bytes() { return reinterpret_cast<LPBYTE>(&record_); }
  // False when the record asks for a descriptor that could not be built.
  bool complete() const { return !access_ || access_->built(); }

 private:
  WideArg netName_, remark_, path_, password_;
  std::optional<EveryoneAccess> access_;
  ::SHARE_INFO_502 record_{};
};

}  // namespace

NetApi::SessionBatch WinNetApi::NetSessionEnum(std::string_view server,
                                               uint32_t level,
                                               uint32_t prefMaxLen,
                                               uint32_t& resumeHandle) {
  SessionBatch batch;
  NetBuffer buffer;
  DWORD read = 0, total = 0, resume = resumeHandle;
  const NET_API_STATUS status =
      ::NetSessionEnum(serverArg(server).get(), nullptr, nullptr, level,
                       buffer.out(), prefMaxLen, &read, &total, &resume);
  resumeHandle = resume;
  batch.status = status;
  if (level == 502)
    takeEntries<::SESSION_INFO_502>(status, buffer, read, batch.info502,
                                    session502);
  else if (level == 10)
    takeEntries<::SESSION_INFO_10>(status, buffer, read, batch.info10,
                                   session10);
  return batch;
}

NetStatus WinNetApi::NetSessionDel(std::string_view server,
                                   std::string_view uncClientName,
                                   std::optional<std::string_view> user) {
  return ::NetSessionDel(serverArg(server).get(), textArg(uncClientName).get(),
                         WideArg(user, false).get());
}

NetBatch<ov::CONNECTION_INFO_1> WinNetApi::NetConnectionEnum(
    std::string_view server, std::string_view qualifier, uint32_t level,
    uint32_t prefMaxLen, uint32_t& resumeHandle) {
  NetBatch<ov::CONNECTION_INFO_1> batch;
  NetBuffer buffer;
  DWORD read = 0, total = 0, resume = resumeHandle;
  batch.status = ::NetConnectionEnum(
      serverArg(server).get(), textArg(qualifier).get(), level, buffer.out(),
      prefMaxLen, &read, &total, &resume);
  resumeHandle = resume;
  if (level == 1)
    takeEntries<::CONNECTION_INFO_1>(batch.status, buffer, read, batch.entries,
                                     connection1);
  return batch;
}

NetBatch<ov::FILE_INFO_3> WinNetApi::NetFileEnum(std::string_view server,
                                                 uint32_t level,
                                                 uint32_t prefMaxLen,
                                                 uint32_t& resumeHandle) {
  NetBatch<ov::FILE_INFO_3> batch;
  NetBuffer buffer;
  DWORD read = 0, total = 0;
  DWORD_PTR resume = resumeHandle;
  batch.status =
      ::NetFileEnum(serverArg(server).get(), nullptr, nullptr, level,
                    buffer.out(), prefMaxLen, &read, &total, &resume);
  resumeHandle = static_cast<uint32_t>(resume);
  if (level == 3)
    takeEntries<::FILE_INFO_3>(batch.status, buffer, read, batch.entries,
                               file3);
  return batch;
}

NetStatus WinNetApi::NetFileClose(std::string_view server, uint32_t fileId) {
  return ::NetFileClose(serverArg(server).get(), fileId);
}

NetApi::ShareBatch WinNetApi::NetShareEnum(std::string_view server,
                                           uint32_t level, uint32_t prefMaxLen,
                                           uint32_t& resumeHandle) {
  ShareBatch batch;
  NetBuffer buffer;
  DWORD read = 0, total = 0, resume = resumeHandle;
  batch.status = ::NetShareEnum(serverArg(server).get(), level, buffer.out(),
                                prefMaxLen, &read, &total, &resume);
  resumeHandle = resume;
  if (level == 502)
    takeEntries<::SHARE_INFO_502>(batch.status, buffer, read, batch.info502,
                                  share502);
  else if (level == 1)
    takeEntries<::SHARE_INFO_1>(batch.status, buffer, read, batch.info1,
                                share1);
  return batch;
}

NetStatus WinNetApi::NetShareGetInfo(std::string_view server,
                                     std::string_view netName,
                                     ov::SHARE_INFO_2& out) {
  NetBuffer buffer;
  const NET_API_STATUS status = ::NetShareGetInfo(
      serverArg(server).get(), textArg(netName).get(), 2, buffer.out());
  if (status != NERR_Success || !buffer.records<::SHARE_INFO_2>())
    return status;
  const ::SHARE_INFO_2& s = *buffer.records<::SHARE_INFO_2>();
  out = {text(s.shi2_netname), s.shi2_type,        text(s.shi2_remark),
         s.shi2_permissions,   s.shi2_max_uses,    s.shi2_current_uses,
         text(s.shi2_path),    text(s.shi2_passwd)};
  return status;
}

NetStatus WinNetApi::NetShareAdd(std::string_view server,
                                 const ov::SHARE_INFO_502& share) {
  WideShare record(share);
  // A share is never made open to all by a descriptor half built.
  if (!record.complete()) return ERROR_INVALID_SECURITY_DESCR;
  DWORD parameterError = 0;
  return ::NetShareAdd(serverArg(server).get(), 502, record.bytes(),
                       &parameterError);
}

NetStatus WinNetApi::NetShareSetInfo(std::string_view server,
                                     std::string_view netName,
                                     const ov::SHARE_INFO_502& share) {
  WideShare record(share);
  if (!record.complete()) return ERROR_INVALID_SECURITY_DESCR;
  DWORD parameterError = 0;
  return ::NetShareSetInfo(serverArg(server).get(), textArg(netName).get(), 502,
                           record.bytes(), &parameterError);
}

NetStatus WinNetApi::NetShareDel(std::string_view server,
                                 std::string_view netName) {
  return ::NetShareDel(serverArg(server).get(), textArg(netName).get(), 0);
}

NetStatus WinNetApi::NetServerGetInfo(std::string_view server,
                                      ov::SERVER_INFO_101& out) {
  NetBuffer buffer;
  const NET_API_STATUS status =
      ::NetServerGetInfo(serverArg(server).get(), 101, buffer.out());
  if (status != NERR_Success || !buffer.records<::SERVER_INFO_101>())
    return status;
  const ::SERVER_INFO_101& s = *buffer.records<::SERVER_INFO_101>();
  out = {s.sv101_platform_id,   text(s.sv101_name), s.sv101_version_major,
         s.sv101_version_minor, s.sv101_type,       text(s.sv101_comment)};
  return status;
}

NetStatus WinNetApi::NetStatisticsGet(std::string_view server,
                                      std::string_view service, uint32_t level,
                                      uint32_t options, Statistics& out) {
  // The records hold their counters one after another, in the port's order.
  static_assert(sizeof(::STAT_SERVER_0) == sizeof(ov::STAT_SERVER_0));
  static_assert(offsetof(::STAT_WORKSTATION_0, InitiallyFailedOperations) ==
                sizeof(ov::STAT_WORKSTATION_0{}.largeCounters));
  NetBuffer buffer;
  const NET_API_STATUS status =
      ::NetStatisticsGet(serverArg(server).get(), textArg(service).get(), level,
                         options, buffer.out());
  if (status != NERR_Success || !buffer.records<BYTE>() || level != 0)
    return status;
  // Service names match in any letter case.
  if (utf8Upper(service) == "LANMANSERVER") {
    std::memcpy(out.server.counters.data(), buffer.records<BYTE>(),
                sizeof out.server.counters);
  } else {
    ov::STAT_WORKSTATION_0& record = out.workstation;
    const BYTE* data = buffer.records<BYTE>();
    std::memcpy(record.largeCounters.data(), data, sizeof record.largeCounters);
    std::memcpy(record.counters.data(), data + sizeof record.largeCounters,
                sizeof record.counters);
  }
  return status;
}

}  // namespace ov::win32
