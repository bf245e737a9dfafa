// The one way a damaged scenario file ends the analysis.
#pragma once

#include <cstdint>

// A format error: the message and the byte position where it was found (a
// file offset in the container, an offset in the payload inside a chunk).
struct ScenarioFault {
  const char* message;  // static text
  int64_t position;
};

// Abandons the analysis: the fault travels back to AnalyzeScenario, which
// hands it to its caller with the report printed so far.
[[noreturn]] inline void ReportFatal(const char* message, int64_t position) {
  throw ScenarioFault{message, position};
}
