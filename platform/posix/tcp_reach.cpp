#include "platform/posix/tcp_reach.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace ov::posix {

namespace {

using Clock = std::chrono::steady_clock;

// Whether ADDRESS answers, refusal included, before DEADLINE.
bool answers(const addrinfo& address, Clock::time_point deadline) {
  const int fd = ::socket(address.ai_family,
                          address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                          address.ai_protocol);
  if (fd < 0) return false;
  bool answered = false;
  if (::connect(fd, address.ai_addr, address.ai_addrlen) == 0) {
    answered = true;
  } else if (errno == EINPROGRESS) {
    pollfd wait{fd, POLLOUT, 0};
    for (;;) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - Clock::now());
      if (left.count() <= 0) break;
      const int ready = ::poll(&wait, 1, static_cast<int>(left.count()));
      if (ready < 0 && errno == EINTR) continue;
      if (ready > 0) {
        int error = 0;
        socklen_t size = sizeof error;
        ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size);
        answered = error == 0 || error == ECONNREFUSED;
      }
      break;
    }
  } else {
    answered = errno == ECONNREFUSED;
  }
  ::close(fd);
  return answered;
}

}  // namespace

TcpReach tcpReach(const std::string& host, const std::string& port,
                  unsigned timeoutMilliseconds) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(host.c_str(), port.c_str(), &hints, &found) != 0)
    return TcpReach::Unresolved;
  const auto deadline =
      Clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
  TcpReach reach = TcpReach::Silent;
  for (const addrinfo* address = found; address; address = address->ai_next)
    if (answers(*address, deadline)) {
      reach = TcpReach::Answers;
      break;
    }
  ::freeaddrinfo(found);
  return reach;
}

}  // namespace ov::posix
