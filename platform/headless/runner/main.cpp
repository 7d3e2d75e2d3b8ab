// orvane: the main form, headless, on a virtual clock against a simulated
// LAN.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "platform/headless/runner/options.h"
#include "platform/headless/runner/runner.h"

int main(int argc, char** argv) {
  std::error_code ignored;
  const std::filesystem::path self =
      std::filesystem::canonical("/proc/self/exe", ignored);
  const std::string defaultDir =
      self.empty() ? std::string(".") : self.parent_path().string();

  std::string error;
  const auto options = ov::headless::parseRunnerOptions(
      std::vector<std::string>(argv + 1, argv + argc), defaultDir, error);
  if (!options) {
    std::cerr << "orvane: " << error << "\n" << ov::headless::kRunnerUsage;
    return 2;
  }
  if (options->help) {
    std::cout << ov::headless::kRunnerUsage << ov::headless::kRunnerHelp;
    return 0;
  }
  return ov::headless::runScenario(*options, std::cerr);
}
