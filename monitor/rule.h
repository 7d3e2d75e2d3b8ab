#pragma once
// One universal rule: an action attached to an event about a client
// address, with the texts the editor and the rules list show for it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ov::monitor {

// Field widths in characters; longer texts are cut to them.
inline constexpr std::size_t kRuleAddressChars = 15;
inline constexpr std::size_t kRuleActionParamChars = 255;
inline constexpr std::size_t kRuleEventParamChars = 31;

// Events and actions by their position in the editor's lists.
inline constexpr uint8_t kEventConnected = 0;
inline constexpr uint8_t kEventFileOpened = 1;
inline constexpr uint8_t kEventConnectionTime = 2;
inline constexpr uint8_t kActionDisconnect = 0;
inline constexpr uint8_t kActionPlaySound = 1;
inline constexpr uint8_t kActionWarn = 2;
// Stored when the editor had no event or no action chosen.
inline constexpr uint8_t kNoChoice = 255;

inline constexpr uint8_t kUseNever = 0;
inline constexpr uint8_t kUseOnce = 1;
inline constexpr uint8_t kUseAlways = 255;

inline constexpr std::array<std::string_view, 3> kEventTexts = {
    "Подключился", "Открыл файл c расширением", "Время соединения = (сек)"};
inline constexpr std::array<std::string_view, 3> kActionTexts = {
    "Отключить пользователя", "Проиграть звук",
    "Вывести на экран предупреждение"};
inline constexpr std::string_view kUseOnceText = "Один раз";
inline constexpr std::string_view kUseAlwaysText = "Постоянно";

struct Rule {
  uint8_t event = kNoChoice;
  uint8_t action = kNoChoice;
  uint8_t use = kUseAlways;  // 0 never acts, 1 once, above 1 always
  std::string address;       // a dotted IPv4 address, or "*" for any
  std::string actionParam;   // sound file name or warning text
  std::string eventParam;    // extension without the dot, or seconds
};

// The texts of an event and an action; empty for a number past the lists,
// such as a rule stored with nothing chosen.
std::string_view eventText(uint8_t event);
std::string_view actionText(uint8_t action);
std::string_view useText(uint8_t use);

// A decimal integer with nothing but blanks around it, as the numbers of a
// rule are read; empty for any other text.
std::optional<long long> decimalNumber(std::string_view text);

// The rule with its texts cut to their widths.
Rule cutToWidths(Rule rule);

}  // namespace ov::monitor
