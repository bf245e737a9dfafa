#include "fatal.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

void ReportFatal(const char* message, int64_t position) {
  fprintf(stderr, "Error: %s (%" PRId64 ")\n", message, position);
  // exit() flushes standard output, so the reader of the pipe gets the report so far.
  exit(1);
}
