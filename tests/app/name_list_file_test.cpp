// The name lists read and written again give the same names, whatever
// bytes their file held.
#include "app/name_list_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/headless/controls.h"

namespace ov {
namespace {

std::vector<std::string> namesOf(const headless::ListBox& list) {
  std::vector<std::string> names;
  for (int i = 0; i < list.count(); ++i) names.push_back(list.item(i));
  return names;
}

TEST(NameListFile, NamesWithStrayBytesComeBackAsTheyWere) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("ov_users_" + std::to_string(getpid())))
                               .string();
  // A name ending in a lone CR, NUL bytes, an empty line, no last line end.
  std::ofstream(path, std::ios::binary)
      << std::string("P\r\r\n\0\0P1\r\n\r\nPC\xCA", 15);
  headless::ListBox first(ui::ControlArgs{});
  LoadListBox(first, path, 100);
  EXPECT_EQ(namesOf(first), (std::vector<std::string>{
                                "P\r", std::string("\0\0P1", 4), "", "PCК"}));
  ASSERT_EQ(SaveListBox(first, path), 0);
  headless::ListBox again(ui::ControlArgs{});
  LoadListBox(again, path, 100);
  EXPECT_EQ(namesOf(again), namesOf(first));
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace ov
