#include "admin/pinger.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "admin/picker_names.h"
#include "platform/text/utf8.h"

namespace ov::admin {

namespace {

constexpr std::string_view kRequestData = "--- Orvane Pinger ---";
constexpr int kEchoes = 4;
constexpr uint16_t kWinsock11 = 0x0101;

void appendLine(ui::Edit& results, const std::string& line) {
  results.setText(results.text() + utf8Cut(line, kMaxResultChars) + "\r\n");
}

// The framework's whole-number conversion: an optional sign and digits.
long long wholeNumber(const std::string& text) {
  long long value = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  const auto [end, error] = std::from_chars(first, last, value);
  if (first == last || error != std::errc() || end != last ||
      value < INT32_MIN || value > INT32_MAX)
    throw std::runtime_error("'" + text + "' is not a valid integer value");
  return value;
}

// A dotted address is looked up in reverse; without a name it is still
// pinged by its address.
std::optional<HostEnt> resolve(Sockets& sockets, const std::string& host) {
  if (const std::optional<InAddr> address = sockets.inet_addr(host)) {
    if (auto entry = sockets.gethostbyaddr(*address)) return entry;
    return HostEnt{host, {*address}};
  }
  return sockets.gethostbyname(host);
}

void echoSeries(IcmpPort& icmp, InAddr destination, uint32_t timeoutMs,
                ui::Edit& results) {
  const IcmpPort::Handle handle = icmp.IcmpCreateFile();
  const IP_OPTION_INFORMATION options;  // TTL 255, TOS 0, no flags
  for (int echo = 0; echo < kEchoes; ++echo) {
    ICMP_ECHO_REPLY reply;
    if (icmp.IcmpSendEcho(handle, destination, kRequestData, options, reply,
                          timeoutMs) > 0)
      appendLine(results, "Reply from " + inet_ntoa(reply.Address) +
                              "  Time=" + std::to_string(reply.RoundTripTime) +
                              "ms  TTL=" + std::to_string(reply.Ttl));
    else
      appendLine(results, "Ошибка при пинговании хоста");
    if (reply.Status != 0) {
      appendLine(results,
                 "Error: icmpEcho.Status=" + std::to_string(reply.Status));
      break;
    }
  }
  icmp.IcmpCloseHandle(handle);
}

}  // namespace

void PingHost(const PingerContext& context, std::string_view hostText,
              uint32_t timeoutMs, ui::Edit& results) {
  const std::string host = context.locale.upperCase(hostText);
  // Longer than its buffer, the host would be another one.
  if (utf8Length(host) > kMaxHostChars) {
    appendLine(results, host + " not found");
    return;
  }
  switch (context.icmp.LoadIcmpLibrary()) {
    case IcmpPort::Library::missing:
      appendLine(results, "Could not load ICMP.DLL");
      return;
    case IcmpPort::Library::withoutProcedures:
      appendLine(results, "Error getting ICMP proc address");
      return;
    case IcmpPort::Library::notAllowed:
      appendLine(results,
                 "Could not open an ICMP socket: not allowed "
                 "(net.ipv4.ping_group_range)");
      return;
    case IcmpPort::Library::loaded:
      break;
  }
  Sockets& sockets = context.sockets;
  uint16_t granted = 0;
  if (const int error = sockets.WSAStartup(kWinsock11, granted)) {
    appendLine(results, "WSAStartup() error: " + std::to_string(error));
  } else if (granted != kWinsock11) {
    appendLine(results, "WinSock version 1.1 not supported");
  } else if (const std::optional<HostEnt> entry = resolve(sockets, host);
             !entry || entry->h_addr_list.empty()) {
    appendLine(results, host + " not found");
  } else {
    const InAddr destination = entry->h_addr_list.front();
    appendLine(results, "Pinging " + entry->h_name + " [" +
                            inet_ntoa(destination) + "]");
    echoSeries(context.icmp, destination, timeoutMs, results);
  }
  sockets.WSACleanup();
  context.icmp.FreeIcmpLibrary();
}

void ShowPinger(const PingerContext& context,
                const std::vector<std::string>& hosts, const std::string& host,
                const ButtonAction& onButton) {
  RunTimeDialog dialog(context.windows, context.owner, context.current,
                       {"pinger", 400, 160});
  dialog.label(5, 10, "IP/Имя пингуемого:");
  dialog.label(5, 30, "Таймаут (мс):");
  dialog.label(5, 50, "Результаты:");
  dialog.combo({120, 10, 145, 21}, hosts, -1).setText(host);
  dialog.edit(EditRole::edit2, {120, 30, 121, 21}, "5000");
  dialog.memo({120, 50, 270, 60});
  dialog.button("", "Пинг", {10, 100, 75, 25}, onButton, false);
  dialog.showModal();
}

void PingFromPinger(const PingerContext& context) {
  const CurrentDialog& pinger = context.current;
  RememberTypedName(*pinger.combo, context.locale);
  const long long typed = wholeNumber(pinger.edit2->text());
  // Above 16 bits the wait is the longest the field holds, not a short one
  // cut from it.
  const auto timeoutMs =
      static_cast<uint32_t>(std::clamp<long long>(typed, 0, kMaxTimeoutMs));
  PingHost(context, pinger.combo->text(), timeoutMs, *pinger.memo);
}

}  // namespace ov::admin
