#include "platform/text/text_file.h"

#include <fstream>
#include <iterator>

#include "platform/text/cp1251.h"

namespace ov {
namespace {

bool storeBytes(const std::filesystem::path& path, std::string_view bytes,
                std::ios::openmode mode) {
  std::ofstream out(path, std::ios::binary | mode);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

}  // namespace

std::filesystem::path pathFromUtf8(std::string_view utf8Path) {
  return std::filesystem::path(std::u8string(utf8Path.begin(), utf8Path.end()));
}

std::string toCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (const char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string toLf(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool crBeforeLf =
        text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    if (!crBeforeLf) out += text[i];
  }
  return out;
}

std::optional<std::string> readTextFile(std::string_view utf8Path) {
  std::ifstream in(pathFromUtf8(utf8Path), std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  try {
    bytes.assign(std::istreambuf_iterator<char>(in),
                 std::istreambuf_iterator<char>());
  } catch (const std::ios_base::failure&) {
    // A folder opens like a file on POSIX; reading it throws.
    return std::nullopt;
  }
  return toLf(cp1251ToUtf8(bytes));
}

bool writeTextFile(std::string_view utf8Path, std::string_view text) {
  // The new text goes beside the file and takes its place only when whole:
  // a full disk or a failed write leaves the old file as it was.
  const std::filesystem::path target = pathFromUtf8(utf8Path);
  std::filesystem::path written = target;
  written += ".new";
  std::error_code error;
  const bool replaced =
      storeBytes(written, utf8ToCp1251(toCrLf(text)), std::ios::trunc) &&
      (std::filesystem::rename(written, target, error), !error);
  if (!replaced) std::filesystem::remove(written, error);
  return replaced;
}

bool appendTextFile(std::string_view utf8Path, std::string_view text) {
  return appendFileBytes(utf8Path, utf8ToCp1251(toCrLf(text)));
}

bool appendFileBytes(std::string_view utf8Path, std::string_view bytes) {
  return storeBytes(pathFromUtf8(utf8Path), bytes, std::ios::app);
}

}  // namespace ov
