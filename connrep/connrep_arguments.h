#pragma once
// The command line of connrep. The main program glues ">report.txt" to the
// log's name with no shell in between, so ">" is taken apart here: inside
// an argument or as one of its own, with the file name after it or in the
// next argument.
#include <optional>
#include <string>

namespace connrep {

struct ConnrepArguments {
  bool help = false;
  std::string log;
  std::optional<std::string> output;  // none: standard output
  std::string error;                  // why the line is not usable
};

ConnrepArguments ParseConnrepArguments(int argc, const char* const* argv);

}  // namespace connrep
