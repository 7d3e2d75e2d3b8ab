#pragma once
// Small text helpers of the simulated LAN: numbers, addresses and names as a
// Windows server compares them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/sockets.h"

namespace ov::sim {

// Decimal or 0x-hexadecimal, with an optional minus sign.
std::optional<int64_t> parseInteger(std::string_view text);

// Seconds with an optional decimal fraction ("12", "0.25"), in milliseconds;
// digits past the millisecond are dropped.
std::optional<uint64_t> parseSecondsAsMs(std::string_view text);

// Strict dotted IPv4: four decimal parts 0..255, no leading zeros.
std::optional<InAddr> parseDottedAddress(std::string_view text);

bool isUtf8(std::string_view text);

// Lower case for Latin and Cyrillic letters, the way names are matched.
std::string foldCase(std::string_view text);
bool sameName(std::string_view a, std::string_view b);

// "\\NAME" and "NAME" both name the computer NAME.
std::string_view withoutUncPrefix(std::string_view name);

}  // namespace ov::sim
