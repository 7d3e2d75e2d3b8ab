#include "rules_lan.h"

#include <fstream>
#include <iterator>

#include "platform/text/cp1251.h"

namespace ov::test {

namespace {

void writeBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

LanFormOptions programOptions(const ProgramSetup& setup) {
  LanFormOptions options;
  options.start = setup.start;
  options.beforeStart = [setup](const std::filesystem::path& dir,
                                sim::World& world) {
    if (!setup.localHostName.empty())
      world.setLocalHostName(setup.localHostName);
    if (setup.hostNameFails) world.failures().arm("gethostname", 1, 1);
    writeBytes(dir / "OV.CFG",
               "[Options]\r\nRules=" + std::to_string(setup.rules) +
                   "\r\n[Log]\r\nUse=" + std::to_string(setup.logging) +
                   "\r\nFiles=" + (dir / "files.log").string() + "\r\n");
    if (!setup.rulesFile.empty()) writeBytes(dir / "rules", setup.rulesFile);
  };
  return options;
}

std::string ruleRecord(int event, int action, std::string_view address,
                       std::string_view actionParam,
                       std::string_view eventParam, int use) {
  return cp1251(std::to_string(event) + "\r\n" + std::to_string(action) +
                "\r\n" + std::string(address) + "\r\n" +
                std::string(actionParam) + "\r\n" + std::string(eventParam) +
                "\r\n" + std::to_string(use) + "\r\n");
}

std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string cp1251(std::string_view utf8) { return utf8ToCp1251(utf8); }

std::string warning(std::string_view caption, std::string_view text) {
  return "[\"" + std::string(caption) + "\", \"" + std::string(text) +
         "\", 327680]";
}

}  // namespace ov::test
