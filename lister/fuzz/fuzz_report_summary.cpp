// Arbitrary text as the analyzer's report, lines ending at LF: the summary
// reader either reads it or raises a conversion error.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_lines.h"
#include "report_summary.h"
#include "text_util.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> lines = FuzzInputLines(data, size);
  try {
    lister::ReadReportSummary(lines);
  } catch (const lister::ConversionError&) {
  }
  return 0;
}
