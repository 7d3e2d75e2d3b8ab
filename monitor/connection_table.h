#pragma once
// The client connections the monitor has seen: the active list, the ring of
// ended ones, and the counts the statistics page shows.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/connection_record.h"
#include "platform/clock.h"
#include "platform/locale.h"
#include "platform/ui.h"

namespace ov::monitor {

// Identities are (client name, user name), exact and case-sensitive. Names
// are cut to their field widths before any comparison, so a name longer
// than its field still matches the record made from it.
class ConnectionTable {
 public:
  static constexpr std::size_t kActiveCapacity = 50;
  static constexpr std::size_t kHistorySlots = 51;
  static constexpr std::size_t kPickerSlots = 50;

  ConnectionTable(Clock& clock, Locale& locale);

  void clearSeenFlags();
  std::optional<std::size_t> findActive(std::string_view clientName,
                                        std::string_view userName) const;
  // Refreshes the seen flag and seconds of a known connection, or adds a new
  // one started now. Sessions without a user name are never tracked; with 50
  // tracked, a newcomer is dropped and offered again next cycle.
  void trackConnection(std::string_view clientName, std::string_view userName,
                       std::string_view clientSystem, uint32_t sessionSeconds);
  void countFileOpening(std::string_view clientName, std::string_view userName);
  // Moves every unseen connection into the history ring; those with logged
  // openings, or all when suppressEmpty is clear, also get a history row.
  void retireEndedConnections(ui::ListView& history, bool suppressEmpty);
  // Client name of the first active record with this user, else of the
  // first history slot before the write position. The name stays valid
  // until the table next changes.
  std::optional<std::string_view> computerForUser(
      std::string_view userName) const;
  // Adds the client names of history slots 0..49 not yet in names.
  void addClientNamesForPickers(std::vector<std::string>& names) const;

  std::size_t activeCount() const { return activeCount_; }
  const ConnectionRecord& active(std::size_t index) const {
    return active_.at(index);
  }
  const ConnectionRecord& historySlot(std::size_t slot) const {
    return history_.at(slot);
  }
  std::size_t historyWritePosition() const { return historyWrite_; }
  uint32_t fileOpeningsCounted() const { return fileOpeningsCounted_; }
  uint32_t connectionsListed() const { return connectionsListed_; }

 private:
  std::optional<std::size_t> findCut(std::string_view clientName,
                                     std::string_view userName) const;
  void removeActive(std::size_t index);

  Clock& clock_;
  Locale& locale_;
  // The slot after the 50th is the spare one a dropped newcomer lands in.
  std::array<ConnectionRecord, kActiveCapacity + 1> active_{};
  std::size_t activeCount_ = 0;
  std::array<ConnectionRecord, kHistorySlots> history_{};
  std::size_t historyWrite_ = 0;
  uint32_t fileOpeningsCounted_ = 0;
  uint32_t connectionsListed_ = 0;
};

}  // namespace ov::monitor
