// analyzer_pipe_run PROGRAM SCENARIO: runs the program on the scenario the way
// the lister does (hidden, both outputs through Windows pipes, read by the
// lister's own runner) and prints the bytes that came through standard output
// and standard error and the milliseconds from start to end.
#include <windows.h>

#include <cstdio>

#include "process_runner.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    fwprintf(stderr, L"Usage: %ls PROGRAM SCENARIO\n", argv[0]);
    return 2;
  }
  // Far beyond any report, so only the program's own pace is measured.
  const lister::RunLimits limits{512u * 1024 * 1024, 600000};
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  lister::ProcessResult result = lister::RunHidden(argv[1], argv[2], limits);
  QueryPerformanceCounter(&end);
  if (!result.started || result.cutOff) {
    fprintf(stderr, "the run failed: %s\n", result.started ? "cut off" : result.failure.c_str());
    return 1;
  }
  printf("%zu %zu %lld\n", result.output.size(), result.errors.size(),
         (end.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart);
  return 0;
}
