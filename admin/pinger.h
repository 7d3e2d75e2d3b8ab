#pragma once
// The pinger: a series of echo requests to a host named by address or by
// name, a line per event in the dialog's results box.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "admin/run_time_dialog.h"
#include "platform/icmp.h"
#include "platform/locale.h"
#include "platform/sockets.h"
#include "platform/ui.h"

namespace ov::admin {

// The host's working buffer and a result line's, in characters without
// their terminators.
inline constexpr std::size_t kMaxHostChars = 19;
inline constexpr std::size_t kMaxResultChars = 127;
// The echo's timeout field holds 16 bits.
inline constexpr uint32_t kMaxTimeoutMs = 65535;

struct PingerContext {
  ui::WindowSystem& windows;
  ui::Form& owner;
  CurrentDialog& current;
  IcmpPort& icmp;
  Sockets& sockets;
  Locale& locale;
};

// Up to four echoes to the host; every line goes to the end of results,
// after what earlier pings left there.
void PingHost(const PingerContext& context, std::string_view host,
              uint32_t timeoutMs, ui::Edit& results);

// Shows the dialog modally; the host box lists `hosts` and shows `host`.
void ShowPinger(const PingerContext& context,
                const std::vector<std::string>& hosts, const std::string& host,
                const ButtonAction& onButton);

// "Пинг": remembers the host, reads the timeout (a text that is no whole
// number throws the framework's conversion error) and pings.
void PingFromPinger(const PingerContext& context);

}  // namespace ov::admin
