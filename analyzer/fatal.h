// The one way a damaged scenario file ends the program.
#pragma once

#include <cstdint>

// Prints "Error: <message> (<position>)" to standard error and ends the process
// with status 1; the report printed so far is flushed to standard output first.
// The position is a file offset in the container or an offset in a payload.
[[noreturn]] void ReportFatal(const char* message, int64_t position);
