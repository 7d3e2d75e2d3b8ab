// "shares": any file of share names unticks only shares the server has and
// never fills more unlogged-path slots than there are.
#include "admin/share_list.h"
#include "platform/headless/controls.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/support/inert_lan.h"

namespace {

class ThreeShares : public ov::InertNetApi {
 public:
  ShareBatch NetShareEnum(std::string_view, uint32_t, uint32_t,
                          uint32_t&) override {
    ShareBatch batch;
    for (const char* name : {"Docs", "docs", "Общая"}) {
      ov::SHARE_INFO_502& share = batch.info502.emplace_back();
      share.shi502_netname = name;
      share.shi502_path = std::string("C:\\") + name;
    }
    return batch;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ov;
  const std::string path = fuzz::asFile(fuzz::textOf(data, size), "shares");
  ThreeShares server;
  ui::ListViewArgs args;
  args.checkBoxes = true;
  headless::ListView list(args);
  std::vector<std::string> unlogged;
  InertFileSystem files;
  admin::RefreshShareList({server, "", 502, path, files}, list, unlogged);
  fuzz::expect(list.count() == 3);
  fuzz::expect(unlogged.size() <= admin::kMaxUnloggedPaths);
  for (const std::string& share : unlogged)
    fuzz::expect(share.size() <= admin::kMaxUnloggedPathChars);
  return 0;
}
