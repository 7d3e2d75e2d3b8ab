#pragma once
// A disk that fills up: `write` runs in a child process whose files may
// grow to `bytes` at most, so a longer write fails there as it would on a
// full disk. Returns what `write` returned in the child (false as well when
// the child did not finish).
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace ov::test {

inline bool writesOnFullDisk(rlim_t bytes, const std::function<bool()>& write) {
  const pid_t child = fork();
  if (child == 0) {
    // A write past the limit fails instead of ending the process.
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    setrlimit(RLIMIT_FSIZE, &limit);
    _exit(write() ? 0 : 1);
  }
  int status = 0;
  return child > 0 && waitpid(child, &status, 0) == child &&
         WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace ov::test
