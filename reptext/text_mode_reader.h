#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

// Splits a file opened in binary mode into lines the way a Windows text-mode
// fgets with a 1,024-byte buffer sees them, so that every platform reads the
// logs alike: CR LF is one line feed, a Ctrl-Z ends the file, and a line
// longer than 1,023 characters goes on as a further piece.
class TextModeLineReader {
 public:
  static constexpr std::size_t kMaxLine = 1023;

  enum class CtrlZ {
    endsText,  // as a text-mode read sees it
    isDamage,  // in a file the program wrote: the line holding it is damaged
  };

  // Reads from where the file stands, at most `limit` bytes.
  explicit TextModeLineReader(std::FILE* file, std::uint64_t limit = UINT64_MAX,
                              CtrlZ ctrlZ = CtrlZ::endsText)
      : file_(file), unread_(limit), ctrl_z_(ctrlZ) {}

  // The next line or piece of a line, with its line feed if it had one; NUL
  // bytes are left in. The view holds until the next call. False at the end
  // of the file.
  bool Next(std::string_view& line);

  // Whether the piece Next gave last ends its line: with a line feed, or
  // as the end of the file.
  bool LineEnded() const { return line_ended_; }
  // Whether that piece holds a NUL byte; a Ctrl-Z read as damage is
  // given as a NUL.
  bool HasNul() const { return has_nul_; }
  // Whether a Ctrl-Z was met: the text ended there.
  bool MetCtrlZ() const { return met_ctrl_z_; }

 private:
  static constexpr int kEnd = -1;

  bool NextInPlace(std::string_view& line);
  int Get();
  int Peek();
  bool Fill();
  // NULs are looked for once per buffer, not once per line.
  std::size_t NulFrom(std::size_t from) const;

  std::FILE* file_;
  std::uint64_t unread_;
  CtrlZ ctrl_z_;
  bool ended_ = false;
  bool met_ctrl_z_ = false;
  bool line_ended_ = true;
  bool has_nul_ = false;
  std::size_t next_nul_ = 0;  // in raw_, from pos_ on; size_ when none
  std::size_t pos_ = 0;
  std::size_t size_ = 0;
  char raw_[1 << 16];
  char line_[kMaxLine + 1];
};
