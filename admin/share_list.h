#pragma once
// The page "Ресурсы": the plain disk shares of the watched server in
// lv_shares, their check marks kept in the "shares" file, and the paths of
// the unticked shares, which the file log leaves out.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/filesystem.h"
#include "platform/netapi.h"
#include "platform/ui.h"

namespace ov::admin {

// In the working folder; one name per line of the unticked shares.
inline constexpr const char* kSharesFile = "shares";
inline constexpr std::size_t kMaxSharesLines = 254;
// The unlogged-path list's slots and the characters a slot holds.
inline constexpr std::size_t kMaxUnloggedPaths = 255;
inline constexpr std::size_t kMaxUnloggedPathChars = 511;

struct ShareListSource {
  NetApi& net;
  std::string_view server;  // empty: the local machine
  uint32_t level;           // 502 local, 1 remote
  std::string_view sharesFile;
  FileSystem& files;
};

// Rebuilds the list from the server, unticks the shares the file names
// (letter case aside) and gathers their paths into unloggedPaths afresh.
// A path longer than a slot is left out of the list, so its files are
// logged rather than others' left out by a cut path.
void RefreshShareList(const ShareListSource& source, ui::ListView& list,
                      std::vector<std::string>& unloggedPaths);

// Deletes the share the list's selected row names, then refreshes the
// list. A name longer than the delete call's buffer of 255 UTF-16 units is
// not sent: cut, it could name another share.
void DeleteSelectedShare(const ShareListSource& source, ui::ListView& list,
                         std::vector<std::string>& unloggedPaths);

// Writes the names of the unticked rows, in list order; false when the file
// cannot be written.
bool SaveShareChoices(const ui::ListView& list, FileSystem& files,
                      std::string_view sharesFile);

}  // namespace ov::admin
