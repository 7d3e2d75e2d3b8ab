#include "monitor/watched_server.h"

#include "platform/text/utf8.h"

namespace ov::monitor {

void WatchedServer::setFromEditText(std::string_view text, Locale& locale) {
  if (text.empty()) {
    name_.clear();
    sessionLevel_ = kLocalSessionLevel;
    shareLevel_ = kLocalShareLevel;
    return;
  }
  const std::string upper = locale.upperCase(text);
  const std::size_t secondChar = utf8Cut(upper, 1).size();
  const bool hasPrefix = upper.size() > secondChar && upper[secondChar] == '\\';
  name_ = utf8Cut(hasPrefix ? upper : "\\\\" + upper, kMaxNameChars);
  sessionLevel_ = kRemoteSessionLevel;
  shareLevel_ = kRemoteShareLevel;
}

}  // namespace ov::monitor
