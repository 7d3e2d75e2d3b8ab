#pragma once
// Text files as the program keeps them: Windows-1251 bytes with CR LF line
// ends on disk, UTF-8 with "\n" in memory.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ov {

// A path from UTF-8 text, read the same way on Windows (MinGW) and POSIX.
std::filesystem::path pathFromUtf8(std::string_view utf8Path);

// Every "\n" becomes "\r\n", as a text-mode write makes it: a "\r" before
// it is the text's own and is read back.
std::string toCrLf(std::string_view text);

// "\r\n" becomes "\n"; a lone "\r" stays.
std::string toLf(std::string_view text);

// The whole file as UTF-8 with "\n" line ends; nullopt when it cannot be
// opened.
std::optional<std::string> readTextFile(std::string_view utf8Path);

// Replaces the file with text in 1251 with CR LF; false when it cannot be
// written.
bool writeTextFile(std::string_view utf8Path, std::string_view text);

// Adds text to the end of the file, creating it when missing.
bool appendTextFile(std::string_view utf8Path, std::string_view text);

// Adds bytes already in the file's encoding: one open, one write, one close.
bool appendFileBytes(std::string_view utf8Path, std::string_view bytes);

}  // namespace ov
