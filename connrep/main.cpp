#include <cstdio>

#include "connrep/connrep_run.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // The report carries its own CR LF; a text-mode stdout would double the CR.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  return connrep::RunConnrep(argc, argv, stdout);
}
