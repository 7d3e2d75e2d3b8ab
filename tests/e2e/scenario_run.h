#pragma once
// Runs a scenario through the headless runner in a fresh folder and reads
// back what the run left: the journal, the dump, the program's files.
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace ov::e2e {

class ScenarioRun {
 public:
  ScenarioRun();
  ~ScenarioRun();

  // Writes the scenario text and runs it, in this folder, with the given
  // extra arguments; returns the exit status. The standard error text is
  // kept.
  int run(const std::string& scenario, std::vector<std::string> extra = {});

  std::filesystem::path dir() const { return dir_; }
  std::filesystem::path file(const std::string& name) const {
    return dir_ / name;
  }
  std::string read(const std::string& name) const;
  std::vector<std::string> journal() const;
  const std::string& errors() const { return errors_; }

 private:
  std::filesystem::path dir_;
  std::string errors_;
};

// The text of a journal line, as the runner writes it.
std::string journalLine(const std::string& stamp, const std::string& call,
                        const std::string& args);
// A scenario line and a part of the message it must stop the run with.
struct RefusedLine {
  const char* line;
  const char* error;
};
// Each line alone, as a whole scenario, stops the run with status 2 and
// that message.
void expectRefused(std::initializer_list<RefusedLine> lines);

// Whether the journal holds that very line.
bool journaled(const std::vector<std::string>& journal,
               const std::string& line);

}  // namespace ov::e2e
