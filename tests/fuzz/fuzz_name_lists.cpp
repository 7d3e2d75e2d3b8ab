// "users" and "usrnames": any file read into a list gives at most the lines
// asked for, and the list written and read again is the same list.
#include "app/name_list_file.h"
#include "platform/headless/controls.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ov;
  const std::string path = fuzz::asFile(fuzz::textOf(data, size), "users");
  headless::ListBox names(ui::ControlArgs{});
  LoadListBox(names, path, 100);
  fuzz::expect(names.count() <= 100);
  if (SaveListBox(names, path) != 0) return 0;
  headless::ListBox again(ui::ControlArgs{});
  LoadListBox(again, path, 100);
  fuzz::expect(again.count() == names.count());
  for (int line = 0; line < names.count(); ++line)
    fuzz::expect(again.item(line) == names.item(line));
  return 0;
}
