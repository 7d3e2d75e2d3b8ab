#include "traffic/ttraffic.h"

#include <cinttypes>
#include <cstdio>
#include <string>

#include "app/ini_file.h"
#include "platform/text/cp1251.h"
#include "platform/text/text_file.h"
#include "platform/text/utf8.h"

namespace ov {

namespace {

constexpr std::string_view kSection = "Traffic";
constexpr uint32_t kBytesPerKb = 1024;
// 2^32 bytes, in kilobytes: what one wrap of a counter stands for.
constexpr uint64_t kKbPerWrap = 4194304;

}  // namespace

TTraffic::TTraffic(InterfaceTable& table, Clock& clock)
    : table_(table), clock_(clock) {
  const LocalDateTime now = clock_.now();
  runId_ = static_cast<uint16_t>(now.hour * 1000 + now.minute * 100 +
                                 now.second * 10 + now.millisecond / 10);
}

void TTraffic::SaveTrafficSettings(std::string_view configPath) const {
  if (interfaceName != interfaceNameAsRead_ || position != positionAsRead_ ||
      logging != loggingAsRead_) {
    WritePrivateProfileString(kSection, "Interface", interfaceName, configPath);
    WritePrivateProfileString(kSection, "Log", logging ? "1" : "0", configPath);
    WritePrivateProfileString(kSection, "Index", std::to_string(position),
                              configPath);
  }
  if (logInterval != logIntervalAsRead_)
    WritePrivateProfileString(kSection, "LogInterval",
                              std::to_string(logInterval), configPath);
}

void TTraffic::LoadTrafficSettings(std::string_view configPath) {
  interfaceName = GetPrivateProfileString(kSection, "Interface", "",
                                          kInterfaceCapacity, configPath);
  position = GetPrivateProfileInt(kSection, "Index", 0, configPath);
  logging = GetPrivateProfileInt(kSection, "Log", 1, configPath) != 0;
  interfaceNameAsRead_ = interfaceName;
  positionAsRead_ = position;
  loggingAsRead_ = logging;
  if (interfaceName.empty()) SelectDefaultInterface();
}

void TTraffic::LoadLogInterval(std::string_view configPath) {
  logInterval = logIntervalAsRead_ = static_cast<uint16_t>(
      GetPrivateProfileInt(kSection, "LogInterval", 0, configPath));
}

bool TTraffic::readTable() {
  auto rows = table_.GetIfTable();
  if (!rows) return false;
  rows_ = std::move(*rows);
  return true;
}

const IfRow* TTraffic::chosenRow() const {
  // -1, as the dialog stores for a name that is no list item, names none.
  const auto row = static_cast<uint32_t>(position);
  return row < rows_.size() ? &rows_[row] : nullptr;
}

void TTraffic::ResetInterfaceCounters() {
  if (!readTable()) return;
  const IfRow* row = chosenRow();
  if (!row) return;
  IfRow cleared = *row;
  cleared.inOctets = cleared.outOctets = 0;
  table_.SetIfEntry(cleared);
}

void TTraffic::SelectDefaultInterface() {
  if (!readTable()) return;
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    if (rows_[row].physAddrLen == 0) continue;
    interfaceName = CutInterfaceName(rows_[row].descr);
    position = static_cast<int32_t>(row);
    return;
  }
}

void TTraffic::SampleCounters() {
  if (!readTable()) return;
  if (!chosenRow()) SelectDefaultInterface();
  const IfRow* row = chosenRow();
  if (!row) return;
  const uint32_t in = row->inOctets / kBytesPerKb;
  const uint32_t out = row->outOctets / kBytesPerKb;
  // Any fall counts as one wrap, a reset counter or another row included.
  if (previousIn_ > in) ++inWraps_;
  if (previousOut_ > out) ++outWraps_;
  previousIn_ = in;
  previousOut_ = out;
  inTotal_ = in + inWraps_ * kKbPerWrap;
  outTotal_ = out + outWraps_ * kKbPerWrap;
}

bool TTraffic::AppendTrafficLog(std::string_view path) {
  SampleCounters();
  const std::string line =
      TrafficLogLine(clock_.now(), inTotal_, outTotal_, runId_, interfaceName);
  return appendFileBytes(path, utf8ToCp1251(line) + "\r\n");
}

std::string CutInterfaceName(std::string_view name) {
  return std::string(utf8Prefix(name, TTraffic::kInterfaceCapacity - 1));
}

std::string TrafficLogLine(const LocalDateTime& at, uint64_t inKb,
                           uint64_t outKb, uint16_t runId,
                           std::string_view adapter) {
  char time[16];
  std::snprintf(time, sizeof time, "%d:%02d:%02d", at.hour, at.minute,
                at.second);
  char head[128];
  std::snprintf(head, sizeof head,
                "[%8s  %02d.%02d.%02d]  In (kb):%10" PRId64
                "  Out (kb):%10" PRId64 " sessID:%5ld  Adapter:",
                time, at.day, at.month, at.year % 100,
                static_cast<int64_t>(inKb), static_cast<int64_t>(outKb),
                static_cast<long>(runId));
  return head + std::string(adapter);
}

}  // namespace ov
