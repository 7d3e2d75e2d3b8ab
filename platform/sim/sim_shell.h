#pragma once
// The shell of the scenario's machine: what the program asks it to open
// goes to the journal, then to the real machine's shell when there is one
// (Orvane.exe /sim opens the help and the folders for real).
#include "platform/journal.h"
#include "platform/shell.h"

namespace ov::sim {

class SimShell : public ShellPort {
 public:
  explicit SimShell(Journal& journal) : journal_(journal) {}
  void ShellExecute(std::optional<std::string_view> verb,
                    std::string_view file) override {
    journal_.write("ShellExecute",
                   {verb ? JournalArg(std::string(*verb)) : JournalArg(nullptr),
                    std::string(file)});
    if (real_) real_->ShellExecute(verb, file);
  }
  void WNetConnectionDialog(uint32_t resourceType) override {
    journal_.write("WNetConnectionDialog",
                   {static_cast<long long>(resourceType)});
    if (real_) real_->WNetConnectionDialog(resourceType);
  }
  void setRealShell(ShellPort* real) { real_ = real; }

 private:
  Journal& journal_;
  ShellPort* real_ = nullptr;
};

}  // namespace ov::sim
