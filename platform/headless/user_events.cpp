#include "platform/headless/user_events.h"

#include <fstream>
#include <ostream>

#include "platform/text/text_file.h"

namespace ov::headless {

bool writeDump(const std::string& path, const WindowSystem& windows) {
  std::ofstream out(pathFromUtf8(path), std::ios::binary | std::ios::trunc);
  out << windows.dump() << '\n';
  return static_cast<bool>(out);
}

void UserEvents::handle(const std::string& verb,
                        const std::vector<std::string>& args,
                        std::ostream& err) {
  if (verb == "ui") {
    const std::string problem = driver_.apply(args);
    if (!problem.empty()) err << problem << '\n';
  } else if (verb == "dump") {
    if (!writeDump(args.at(0), windows_))
      err << "cannot write " << args.at(0) << '\n';
  } else if (verb == "tray" || verb == "session") {
    driver_.systemEvent(verb);
  } else if (verb == "exit") {
    endings_.exit();
  } else if (verb == "quit") {
    endings_.quit();
  }
}

}  // namespace ov::headless
