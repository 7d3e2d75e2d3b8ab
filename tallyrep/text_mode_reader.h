#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

// Splits a file opened in binary mode into lines the way a Windows text-mode
// fgets with a 1,024-byte buffer sees them, so that every platform reads the
// traffic log alike: CR LF is one line feed, a Ctrl-Z ends the file, and a
// line longer than 1,023 characters goes on as a further line.
class TextModeLineReader {
 public:
  static constexpr std::size_t kMaxLine = 1023;

  explicit TextModeLineReader(std::FILE* file) : file_(file) {}

  // The next line with its line feed if it had one, cut at a NUL byte as C
  // string functions see it. False at the end of the file.
  bool Next(std::string_view& line);

 private:
  static constexpr int kEnd = -1;

  int Get();
  int Peek();
  bool Fill();

  std::FILE* file_;
  bool ended_ = false;
  std::size_t pos_ = 0;
  std::size_t size_ = 0;
  char raw_[1 << 16];
  char line_[kMaxLine + 1];
};
