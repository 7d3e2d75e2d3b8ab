#include "platform/posix/posix_icmp.h"

#include <netinet/in.h>
#include <netinet/ip.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <vector>

namespace ov::posix {

namespace {

using Clock = std::chrono::steady_clock;

constexpr uint8_t kEchoRequest = 8;
constexpr uint8_t kEchoReply = 0;
constexpr std::size_t kIcmpHeader = 8;
// Our own echoes, told apart from other programs' on a raw socket.
constexpr uint16_t kIdentifier = 0x4F56;

int openEchoSocket() {
  // Datagram first: it needs no privilege where the system allows it.
  for (int type : {SOCK_DGRAM, SOCK_RAW}) {
    const int socket = ::socket(AF_INET, type | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (socket >= 0) return socket;
  }
  return -1;
}

bool isRaw(int socket) {
  int type = 0;
  socklen_t size = sizeof type;
  return getsockopt(socket, SOL_SOCKET, SO_TYPE, &type, &size) == 0 &&
         type == SOCK_RAW;
}

uint16_t checksum(const std::vector<uint8_t>& bytes) {
  uint32_t sum = 0;
  for (std::size_t at = 0; at < bytes.size(); at += 2) {
    const uint32_t high = bytes[at];
    const uint32_t low = at + 1 < bytes.size() ? bytes[at + 1] : 0;
    sum += high << 8 | low;
  }
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<uint16_t>(~sum);
}

std::vector<uint8_t> echoRequest(uint16_t sequence, std::string_view data) {
  std::vector<uint8_t> packet(kIcmpHeader + data.size());
  packet[0] = kEchoRequest;
  packet[4] = kIdentifier >> 8;
  packet[5] = kIdentifier & 0xFF;
  packet[6] = sequence >> 8;
  packet[7] = sequence & 0xFF;
  std::memcpy(packet.data() + kIcmpHeader, data.data(), data.size());
  const uint16_t sum = checksum(packet);
  packet[2] = sum >> 8;
  packet[3] = sum & 0xFF;
  return packet;
}

struct Received {
  InAddr from = 0;
  int ttl = -1;
  const uint8_t* icmp = nullptr;
  std::size_t size = 0;
};

// One datagram; a raw socket gives the IP header before the ICMP message.
bool receive(int socket, bool raw, uint8_t (&buffer)[1500], Received& got) {
  sockaddr_in from{};
  char control[64];
  iovec part{buffer, sizeof buffer};
  msghdr message{};
  message.msg_name = &from;
  message.msg_namelen = sizeof from;
  message.msg_iov = &part;
  message.msg_iovlen = 1;
  message.msg_control = control;
  message.msg_controllen = sizeof control;
  const ssize_t size = recvmsg(socket, &message, MSG_DONTWAIT);
  if (size <= 0) return false;
  got = {from.sin_addr.s_addr, -1, buffer, static_cast<std::size_t>(size)};
  for (cmsghdr* item = CMSG_FIRSTHDR(&message); item;
       item = CMSG_NXTHDR(&message, item)) {
    if (item->cmsg_level == IPPROTO_IP && item->cmsg_type == IP_TTL)
      std::memcpy(&got.ttl, CMSG_DATA(item), sizeof got.ttl);
  }
  if (raw) {
    const std::size_t header = (buffer[0] & 0x0F) * 4u;
    if (got.size < 20 || header > got.size) return false;
    got.ttl = buffer[8];
    got.icmp += header;
    got.size -= header;
  }
  return true;
}

bool isOurReply(const Received& got, bool raw, uint16_t sequence) {
  if (got.size < kIcmpHeader || got.icmp[0] != kEchoReply) return false;
  const uint16_t identifier = got.icmp[4] << 8 | got.icmp[5];
  const uint16_t replySequence = got.icmp[6] << 8 | got.icmp[7];
  // The system gives a datagram socket only its own replies and sets
  // their identifier itself.
  return replySequence == sequence && (!raw || identifier == kIdentifier);
}

}  // namespace

IcmpPort::Library PosixIcmp::LoadIcmpLibrary() {
  const int socket = openEchoSocket();
  if (socket < 0) return Library::notAllowed;
  close(socket);
  return Library::loaded;
}

IcmpPort::Handle PosixIcmp::IcmpCreateFile() {
  const int socket = openEchoSocket();
  return socket < 0 ? 0 : static_cast<Handle>(socket) + 1;
}

void PosixIcmp::IcmpCloseHandle(Handle handle) {
  if (handle != 0) close(static_cast<int>(handle - 1));
}

uint32_t PosixIcmp::IcmpSendEcho(Handle handle, InAddr destination,
                                 std::string_view requestData,
                                 const IP_OPTION_INFORMATION& options,
                                 ICMP_ECHO_REPLY& reply, uint32_t timeoutMs) {
  if (handle == 0) return 0;
  const int socket = static_cast<int>(handle - 1);
  const bool raw = isRaw(socket);
  const int ttl = options.Ttl;
  const int tos = options.Tos;
  const int on = 1;
  setsockopt(socket, IPPROTO_IP, IP_TTL, &ttl, sizeof ttl);
  setsockopt(socket, IPPROTO_IP, IP_TOS, &tos, sizeof tos);
  setsockopt(socket, IPPROTO_IP, IP_RECVTTL, &on, sizeof on);

  const uint16_t sequence = ++sequence_;
  const std::vector<uint8_t> request = echoRequest(sequence, requestData);
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_addr.s_addr = destination;
  const Clock::time_point sent = Clock::now();
  if (sendto(socket, request.data(), request.size(), 0,
             reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0)
    return 0;

  const Clock::time_point deadline =
      sent + std::chrono::milliseconds(timeoutMs);
  uint8_t buffer[1500];
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - Clock::now());
    pollfd waiting{socket, POLLIN, 0};
    if (left.count() < 0 ||
        poll(&waiting, 1, static_cast<int>(left.count())) <= 0)
      return 0;
    Received got;
    if (!receive(socket, raw, buffer, got) || !isOurReply(got, raw, sequence))
      continue;
    const auto roundTrip =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() -
                                                              sent);
    reply = {got.from, 0, static_cast<uint32_t>(roundTrip.count()),
             static_cast<uint8_t>(got.ttl < 0 ? 0 : got.ttl)};
    return 1;
  }
}

}  // namespace ov::posix
