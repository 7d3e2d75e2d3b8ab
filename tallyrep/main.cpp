#include "tallyrep/report_date.h"
#include "tallyrep/tallyrep_run.h"

int main(int argc, char** argv) {
  return RunTallyrep(argc, argv, LocalToday());
}
