// Runs a console program hidden and captures both of its outputs, within
// bounds of time and size.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lister {

struct RunLimits {
  std::size_t maxBytesPerOutput;  // standard output or standard error beyond this ends the run
  DWORD maxMilliseconds;          // from the start to the end of the program and its outputs
};

struct ProcessResult {
  bool started = false;
  // Ended by the runner: it ran longer or printed more than the limits allow,
  // or its output could not be kept. Output and errors are then incomplete.
  bool cutOff = false;
  std::string failure;  // the system's reason when the program could not be started
  std::vector<std::uint8_t> output;
  std::vector<std::uint8_t> errors;
};

// Starts `"program" "argument"` (the program's full path and one argument,
// both quoted, so blanks in either reach the child intact) in the current
// directory with its own hidden console, and reads standard output and
// standard error at the same time, so a child that fills one pipe cannot
// block. The child runs in a job that ends it, and anything it starts, when
// the job's handle closes: when the run is cut off, and when the lister ends
// in any way while it runs.
ProcessResult RunHidden(const std::wstring& program, const std::wstring& argument,
                        const RunLimits& limits);

}  // namespace lister
