#include "admin/picker_names.h"

#include <string>
#include <vector>

#include "monitor/picker_names.h"

namespace ov::admin {

void RememberTypedName(ui::ComboBox& box, Locale& locale) {
  std::vector<std::string> names = box.items();
  monitor::addNameUnlessPresent(names, box.text(), locale);
  if (names.size() > box.items().size()) box.addItem(names.back());
}

}  // namespace ov::admin
