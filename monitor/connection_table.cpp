#include "monitor/connection_table.h"

#include <algorithm>
#include <iterator>

#include "monitor/display_rows.h"
#include "monitor/history_rows.h"
#include "monitor/picker_names.h"
#include "platform/text/utf8.h"

namespace ov::monitor {

ConnectionTable::ConnectionTable(Clock& clock, Locale& locale)
    : clock_(clock), locale_(locale) {}

void ConnectionTable::clearSeenFlags() {
  for (std::size_t i = 0; i < activeCount_; ++i) active_[i].seen = false;
}

std::optional<std::size_t> ConnectionTable::findActive(
    std::string_view clientName, std::string_view userName) const {
  return findCut(utf8Prefix(clientName, kClientNameChars),
                 utf8Prefix(userName, kUserNameChars));
}

std::optional<std::size_t> ConnectionTable::findCut(
    std::string_view clientName, std::string_view userName) const {
  for (std::size_t i = 0; i < activeCount_; ++i) {
    if (active_[i].clientName == clientName &&
        active_[i].userName == userName) {
      return i;
    }
  }
  return std::nullopt;
}

void ConnectionTable::trackConnection(std::string_view clientName,
                                      std::string_view userName,
                                      std::string_view clientSystem,
                                      uint32_t sessionSeconds) {
  if (userName.empty()) return;
  const std::string_view client = utf8Prefix(clientName, kClientNameChars);
  const std::string_view user = utf8Prefix(userName, kUserNameChars);
  if (const auto found = findCut(client, user)) {
    active_[*found].seen = true;
    active_[*found].sessionSeconds = sessionSeconds;
    return;
  }
  active_[activeCount_] = {
      .clientName = std::string(client),
      .userName = std::string(user),
      .clientSystem = utf8Cut(clientSystem, kClientSystemChars),
      .startTime = clock_.now(),
      .sessionSeconds = sessionSeconds,
      .filesOpened = 0,
      .seen = true};
  if (activeCount_ < kActiveCapacity) ++activeCount_;
}

void ConnectionTable::countFileOpening(std::string_view clientName,
                                       std::string_view userName) {
  if (const auto found = findActive(clientName, userName)) {
    ++active_[*found].filesOpened;
  }
  ++fileOpeningsCounted_;
}

void ConnectionTable::retireEndedConnections(ui::ListView& history,
                                             bool suppressEmpty) {
  std::size_t i = 0;
  while (i < activeCount_) {
    const ConnectionRecord& record = active_[i];
    if (record.seen || record.clientName.empty()) {
      ++i;
      continue;
    }
    history_[historyWrite_] = record;
    if (record.filesOpened > 0 || !suppressEmpty) {
      ++connectionsListed_;
      appendHistoryRow(history, connHistoryItem(record, locale_));
      history.scrollLineDown();
    }
    historyWrite_ = (historyWrite_ + 1) % kHistorySlots;
    // The next record moves into place i and is looked at next.
    removeActive(i);
  }
}

void ConnectionTable::removeActive(std::size_t index) {
  const auto first = std::next(active_.begin(), index);
  const auto end = std::next(active_.begin(), activeCount_);
  std::move(std::next(first), end, first);
  --activeCount_;
  active_[activeCount_] = {};
}

std::optional<std::string_view> ConnectionTable::computerForUser(
    std::string_view userName) const {
  const std::string_view user = utf8Prefix(userName, kUserNameChars);
  for (std::size_t i = 0; i < activeCount_; ++i) {
    if (active_[i].userName == user) return active_[i].clientName;
  }
  for (std::size_t slot = 0; slot < historyWrite_; ++slot) {
    if (history_[slot].userName == user) return history_[slot].clientName;
  }
  return std::nullopt;
}

void ConnectionTable::addClientNamesForPickers(
    std::vector<std::string>& names) const {
  for (std::size_t slot = 0; slot < kPickerSlots; ++slot) {
    addNameUnlessPresent(names, history_[slot].clientName, locale_);
  }
}

}  // namespace ov::monitor
