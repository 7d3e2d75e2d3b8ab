#pragma once
// A file opening as the monitor remembers it: the path and the user name,
// both cut to their fields, and a hash map keyed by it that is searched
// without building a key.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace ov::monitor {

struct OpeningKey {
  std::string path;
  std::string userName;
};

struct OpeningView {
  std::string_view path;
  std::string_view userName;
};

struct OpeningHash {
  using is_transparent = void;
  std::size_t operator()(const OpeningView& key) const {
    const std::size_t pathHash = std::hash<std::string_view>{}(key.path);
    const std::size_t userHash = std::hash<std::string_view>{}(key.userName);
    return pathHash ^ (userHash + 0x9e3779b97f4a7c15ULL + (pathHash << 6) +
                       (pathHash >> 2));
  }
  std::size_t operator()(const OpeningKey& key) const {
    return (*this)(OpeningView{key.path, key.userName});
  }
};

struct OpeningEqual {
  using is_transparent = void;
  static OpeningView view(const OpeningKey& key) {
    return {key.path, key.userName};
  }
  static OpeningView view(const OpeningView& key) { return key; }
  template <typename A, typename B>
  bool operator()(const A& a, const B& b) const {
    return view(a).path == view(b).path && view(a).userName == view(b).userName;
  }
};

template <typename Value>
using OpeningMap =
    std::unordered_map<OpeningKey, Value, OpeningHash, OpeningEqual>;

}  // namespace ov::monitor
