// Starting with Windows: the value "Orvane" under the machine's Run key,
// checked at start and written or deleted by the check box AutoRun.
#include "app/form1.h"
#include "platform/text/utf8.h"

namespace ov {

namespace {

constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kAutoRunValue[] = "Orvane";
// The value's buffer holds 255 characters and the terminating zero.
constexpr std::size_t kPathChars = 255;

}  // namespace

void TForm1::CheckAutoRun() {
  RegistryPort& registry = services_.registry;
  const auto key = registry.RegOpenKeyEx(kRunKey, RegAccess::read);
  if (!key) return;
  const bool present = registry.RegQueryValueEx(*key, kAutoRunValue);
  registry.RegCloseKey(*key);
  // Checking the box writes the value again with the current path.
  if (present) AutoRun->setChecked(true);
}

void TForm1::AutoRunClick() {
  const std::string& path = services_.programFile.path;
  RegistryPort& registry = services_.registry;
  const auto key = registry.RegOpenKeyEx(kRunKey, RegAccess::setValue);
  if (!key) return;
  if (!AutoRun->checked())
    registry.RegDeleteValue(*key, kAutoRunValue);
  else if (utf8Length(path) <= kPathChars)
    // A longer path cut to the buffer would name another file.
    registry.RegSetValueEx(*key, kAutoRunValue, path);
  registry.RegCloseKey(*key);
}

}  // namespace ov
