// Runs a console program hidden and captures both of its outputs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lister {

struct ProcessResult {
  bool started = false;
  std::string failure;  // the system's reason when the program could not be started
  std::vector<std::uint8_t> output;
  std::vector<std::uint8_t> errors;
};

// Starts `"program" "argument"` (the program's full path and one argument,
// both quoted, so blanks in either reach the child intact) in the current
// directory with its own hidden console, reads standard output and standard
// error at the same time, so a child that fills one pipe cannot block, and
// waits without limit for its end.
ProcessResult RunHidden(const std::wstring& program, const std::wstring& argument);

}  // namespace lister
