#include "connrep/log_halves.h"

#include <cstdio>
#include <thread>
#include <utility>

#include "reptext/owned_file.h"

namespace connrep {

bool TallyLogFile(const std::string& path, ConnectionTally& tally,
                  uint64_t halvesFrom) {
  OwnedFile first(std::fopen(path.c_str(), "rb"));
  if (!first) return false;
  std::optional<SecondHalf> second =
      OpenSecondHalf(path, first.get(), halvesFrom);
  if (!second) return TallyFileLog(first.get(), tally);

  ConnectionTally secondTally;
  PathChannel toSecond, toFirst;
  tally.ShareFiles(0, toSecond, toFirst);
  secondTally.ShareFiles(1, toFirst, toSecond);
  bool secondRead = false;
  std::thread secondReader(
      [&] { secondRead = TallyFileLog(second->file.get(), secondTally); });
  const bool firstRead = TallyFileLog(first.get(), tally, second->start);
  secondReader.join();
  tally.Merge(std::move(secondTally));
  return firstRead && secondRead;
}

}  // namespace connrep
