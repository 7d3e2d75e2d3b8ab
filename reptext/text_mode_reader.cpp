#include "reptext/text_mode_reader.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kCtrlZ = '\x1a';

// How many bytes lead up to the first line feed or CR.
std::size_t PlainSpan(const char* bytes, std::size_t size) {
  for (char special : {'\n', '\r'}) {
    if (const void* hit = std::memchr(bytes, special, size))
      size = static_cast<const char*>(hit) - bytes;
  }
  return size;
}

}  // namespace

bool TextModeLineReader::Fill() {
  pos_ = 0;
  const std::size_t wanted =
      static_cast<std::size_t>(std::min<std::uint64_t>(sizeof raw_, unread_));
  size_ = ended_ || wanted == 0 ? 0 : std::fread(raw_, 1, wanted, file_);
  unread_ -= size_;
  if (ctrl_z_ == CtrlZ::isDamage) {
    // Turned into the NUL that marks a damaged line.
    char* const end = raw_ + size_;
    for (char* at = raw_;
         (at = static_cast<char*>(std::memchr(at, kCtrlZ, end - at)));)
      *at++ = '\0';
  } else if (const void* stop = std::memchr(raw_, kCtrlZ, size_)) {
    // A Ctrl-Z ends the file: nothing after it is read.
    size_ = static_cast<const char*>(stop) - raw_;
    ended_ = true;
    met_ctrl_z_ = true;
  }
  next_nul_ = NulFrom(0);
  return size_ > 0;
}

std::size_t TextModeLineReader::NulFrom(std::size_t from) const {
  const void* nul = std::memchr(raw_ + from, '\0', size_ - from);
  return nul ? static_cast<const char*>(nul) - raw_ : size_;
}

int TextModeLineReader::Peek() {
  if (pos_ == size_ && !Fill()) return kEnd;
  return static_cast<unsigned char>(raw_[pos_]);
}

int TextModeLineReader::Get() {
  int c = Peek();
  if (c == kEnd) return kEnd;
  ++pos_;
  if (c == '\r' && Peek() == '\n') {
    ++pos_;
    return '\n';
  }
  return c;
}

bool TextModeLineReader::NextInPlace(std::string_view& line) {
  if (pos_ == size_ && !Fill()) return false;
  char* start = raw_ + pos_;
  char* end = static_cast<char*>(
      std::memchr(start, '\n', std::min(size_ - pos_, kMaxLine + 1)));
  if (end == nullptr) return false;
  std::size_t length = end - start + 1;
  if (end > start && end[-1] == '\r') {
    // CR LF reads as one line feed.
    end[-1] = '\n';
    --length;
  }
  if (length > kMaxLine) return false;
  line = std::string_view(start, length);
  pos_ = end + 1 - raw_;
  line_ended_ = true;
  has_nul_ = next_nul_ < pos_;
  if (has_nul_) next_nul_ = NulFrom(pos_);
  return true;
}

bool TextModeLineReader::Next(std::string_view& line) {
  // Most lines lie whole in the buffer and are given where they are.
  if (NextInPlace(line)) return true;
  std::size_t length = 0;
  while (length < kMaxLine && (pos_ < size_ || Fill())) {
    // Plain bytes are copied in bulk; the special ones go through Get().
    std::size_t span =
        PlainSpan(raw_ + pos_, std::min(size_ - pos_, kMaxLine - length));
    std::memcpy(line_ + length, raw_ + pos_, span);
    length += span;
    pos_ += span;
    if (length == kMaxLine || pos_ == size_) continue;
    int c = Get();
    if (c == kEnd) break;
    line_[length++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  if (length == 0) return false;
  line = std::string_view(line_, length);
  line_ended_ = line_[length - 1] == '\n' || Peek() == kEnd;
  has_nul_ = line.find('\0') != std::string_view::npos;
  if (next_nul_ < pos_) next_nul_ = NulFrom(pos_);
  return true;
}
