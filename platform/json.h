#pragma once
// Minimal JSON text helpers for the journal and the form dump.
#include <string>
#include <string_view>

namespace ov {

// A JSON string literal of UTF-8 text, quotes included.
std::string jsonString(std::string_view text);

}  // namespace ov
