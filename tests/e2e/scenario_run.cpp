#include "scenario_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

#include "platform/headless/runner/runner.h"

namespace ov::e2e {

namespace {

std::filesystem::path freshFolder() {
  std::random_device random;
  const auto dir = std::filesystem::temp_directory_path() /
                   ("orvane-e2e-" + std::to_string(random()));
  std::filesystem::create_directories(dir);
  return dir;
}

// The working directory of a stretch of code, given back however it ends.
class WorkingDirectory {
 public:
  explicit WorkingDirectory(const std::filesystem::path& dir)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ~WorkingDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
  }
  WorkingDirectory(const WorkingDirectory&) = delete;
  WorkingDirectory& operator=(const WorkingDirectory&) = delete;

 private:
  std::filesystem::path previous_;
};

}  // namespace

ScenarioRun::ScenarioRun() : dir_(freshFolder()) {}

ScenarioRun::~ScenarioRun() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

int ScenarioRun::run(const std::string& scenario,
                     std::vector<std::string> extra) {
  std::ofstream(dir_ / "test.scn", std::ios::binary) << scenario;
  std::vector<std::string> args = {
      "--sim",     (dir_ / "test.scn").string(),
      "--dir",     dir_.string(),
      "--journal", (dir_ / "journal.jsonl").string(),
      "--start",   "2026-03-05 09:00:00"};
  args.insert(args.end(), extra.begin(), extra.end());
  std::ostringstream err;
  std::string parseError;
  // The run's working directory is its folder: the file log, the sounds and
  // relative dump names land there.
  const WorkingDirectory inRunFolder(dir_);
  const auto options =
      headless::parseRunnerOptions(args, dir_.string(), parseError);
  if (!options) {
    errors_ = parseError;
    return 2;
  }
  const int status = headless::runScenario(*options, err);
  errors_ = err.str();
  return status;
}

std::string ScenarioRun::read(const std::string& name) const {
  std::ifstream in(dir_ / name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> ScenarioRun::journal() const {
  std::istringstream in(read("journal.jsonl"));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string journalLine(const std::string& stamp, const std::string& call,
                        const std::string& args) {
  return "{\"t\": " + stamp + ", \"call\": \"" + call + "\", \"args\": [" +
         args + "]}";
}

bool journaled(const std::vector<std::string>& journal,
               const std::string& line) {
  return std::find(journal.begin(), journal.end(), line) != journal.end();
}

void expectRefused(std::initializer_list<RefusedLine> lines) {
  ScenarioRun run;
  for (const auto& [line, error] : lines) {
    EXPECT_EQ(run.run(line), 2) << line;
    EXPECT_NE(run.errors().find(error), std::string::npos)
        << line << run.errors();
  }
}

}  // namespace ov::e2e
