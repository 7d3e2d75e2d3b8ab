#include "reptext/text_mode_reader.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kCtrlZ = '\x1a';

// How many bytes lead up to the first one a text-mode read treats specially.
std::size_t PlainSpan(const char* bytes, std::size_t size) {
  for (char special : {'\n', '\r', kCtrlZ}) {
    if (const void* hit = std::memchr(bytes, special, size))
      size = static_cast<const char*>(hit) - bytes;
  }
  return size;
}

}  // namespace

bool TextModeLineReader::Fill() {
  pos_ = 0;
  size_ = ended_ ? 0 : std::fread(raw_, 1, sizeof raw_, file_);
  return size_ > 0;
}

int TextModeLineReader::Peek() {
  if (pos_ == size_ && !Fill()) return kEnd;
  return static_cast<unsigned char>(raw_[pos_]);
}

int TextModeLineReader::Get() {
  int c = Peek();
  if (c == kEnd) return kEnd;
  ++pos_;
  if (c == kCtrlZ) {
    ended_ = true;
    pos_ = size_;
    return kEnd;
  }
  if (c == '\r' && Peek() == '\n') {
    ++pos_;
    return '\n';
  }
  return c;
}

bool TextModeLineReader::Next(std::string_view& line) {
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
  const int next = Peek();
  line_ended_ = line_[length - 1] == '\n' || next == kEnd || next == kCtrlZ;
  return true;
}
