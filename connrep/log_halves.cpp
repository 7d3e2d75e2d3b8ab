#include "connrep/log_halves.h"

#include <cstdio>
#include <thread>

#include "reptext/owned_file.h"

namespace connrep {

bool TallyLogFile(const std::string& path, ConnectionTally& tally,
                  uint64_t halvesFrom) {
  OwnedFile first(std::fopen(path.c_str(), "rb"));
  if (!first) return false;
  std::optional<SecondHalf> second =
      OpenSecondHalf(path, first.get(), halvesFrom);
  if (!second) return TallyFileLog(first.get(), tally).read;

  ConnectionTally secondTally;
  LogPart secondPart;
  std::thread secondReader(
      [&] { secondPart = TallyFileLog(second->file.get(), secondTally); });
  const LogPart firstPart = TallyFileLog(first.get(), tally, second->start);
  secondReader.join();
  // After a Ctrl-Z in the first half the second is no longer the text.
  if (!firstPart.metCtrlZ) tally.Merge(secondTally);
  return firstPart.read && (firstPart.metCtrlZ || secondPart.read);
}

}  // namespace connrep
