#include "admin/share_list.h"

#include <algorithm>

#include "monitor/net_enum.h"
#include "platform/text/text_file.h"
#include "platform/text/upper_case.h"
#include "platform/text/utf16.h"
#include "platform/text/utf8.h"

namespace ov::admin {

namespace {

constexpr uint32_t kDiskShare = 0;
constexpr uint32_t kNoLimit = 0xFFFFFFFFu;
// The name buffer of a delete, in UTF-16 units without the terminator.
constexpr std::size_t kDeleteNameUnits = 255;

struct ShareRecord {
  std::string name;
  std::string path;  // empty at level 1
};

std::string limitText(uint32_t maxUses) {
  return maxUses == kNoLimit ? "неограничено" : std::to_string(maxUses);
}

void addRow(ui::ListView& list, const ShareRecord& share, uint32_t level,
            uint32_t maxUses) {
  ui::ListItem row{share.name, {}, level == 502};
  if (level == 502) row.subItems = {share.path, limitText(maxUses)};
  // What the columns show where a level-1 record has no path or limit.
  row.subItems.insert(row.subItems.end(), {"---", "--", "-"});
  list.addItem(row);
}

// Every plain disk share, in the order the server gives them; the rows go
// into the list as they come.
std::vector<ShareRecord> listShares(const ShareListSource& source,
                                    ui::ListView& list) {
  std::vector<ShareRecord> shares;
  uint32_t resume = 0;
  for (std::size_t batches = 0; batches < monitor::kMaxEnumerationBatches;
       ++batches) {
    const NetApi::ShareBatch batch = source.net.NetShareEnum(
        source.server, source.level, MAX_PREFERRED_LENGTH, resume);
    if (batch.status != NERR_Success && batch.status != ERROR_MORE_DATA) break;
    for (const SHARE_INFO_502& share : batch.info502) {
      if (share.shi502_type != kDiskShare) continue;
      shares.push_back({share.shi502_netname, share.shi502_path});
      addRow(list, shares.back(), source.level, share.shi502_max_uses);
    }
    for (const SHARE_INFO_1& share : batch.info1) {
      if (share.shi1_type != kDiskShare) continue;
      shares.push_back({share.shi1_netname, ""});
      addRow(list, shares.back(), source.level, kNoLimit);
    }
    const bool more = batch.status == ERROR_MORE_DATA &&
                      !(batch.info502.empty() && batch.info1.empty());
    if (!more) break;
  }
  return shares;
}

// The file's first lines, without their line ends.
std::vector<std::string> sharesFileLines(FileSystem& files,
                                         std::string_view sharesFile) {
  std::vector<std::string> lines;
  const std::optional<std::string> text = files.readTextFile(sharesFile);
  if (!text) return lines;
  std::size_t from = 0;
  while (from < text->size() && lines.size() < kMaxSharesLines) {
    std::size_t end = text->find('\n', from);
    if (end == std::string::npos) end = text->size();
    lines.push_back(text->substr(from, end - from));
    from = end + 1;
  }
  return lines;
}

int rowOf(const ui::ListView& list, std::string_view caption) {
  for (int row = 0; row < list.count(); ++row)
    if (list.item(row).caption == caption) return row;
  return -1;
}

}  // namespace

void RefreshShareList(const ShareListSource& source, ui::ListView& list,
                      std::vector<std::string>& unloggedPaths) {
  list.clear();
  unloggedPaths.clear();
  const std::vector<ShareRecord> shares = listShares(source, list);
  if (shares.empty()) return;
  for (const std::string& line :
       sharesFileLines(source.files, source.sharesFile)) {
    const std::string unticked = utf8Upper(line);
    for (const ShareRecord& share : shares) {
      if (utf8Upper(share.name) != unticked) continue;
      list.setChecked(rowOf(list, share.name), false);
      if (unloggedPaths.size() < kMaxUnloggedPaths &&
          utf8Length(share.path) <= kMaxUnloggedPathChars)
        unloggedPaths.push_back(share.path);
    }
  }
}

bool SaveShareChoices(const ui::ListView& list, FileSystem& files,
                      std::string_view sharesFile) {
  std::string text;
  for (int row = 0; row < list.count(); ++row)
    if (!list.item(row).checked) text += list.item(row).caption + "\n";
  return files.writeTextFile(sharesFile, text);
}

void DeleteSelectedShare(const ShareListSource& source, ui::ListView& list,
                         std::vector<std::string>& unloggedPaths) {
  if (list.selected() < 0) return;
  const std::string name = list.item(list.selected()).caption;
  if (utf8ToUtf16(name).size() <= kDeleteNameUnits)
    source.net.NetShareDel(source.server, name);
  RefreshShareList(source, list, unloggedPaths);
}

}  // namespace ov::admin
