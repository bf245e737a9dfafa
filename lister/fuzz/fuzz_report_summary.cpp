// Arbitrary text as the analyzer's report, lines ending at LF: the summary
// reader either reads it or raises a conversion error.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "report_summary.h"
#include "text_util.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n')
      lines.emplace_back();
    else
      lines.back() += static_cast<char>(data[i]);
  }
  try {
    lister::ReadReportSummary(lines);
  } catch (const lister::ConversionError&) {
  }
  return 0;
}
