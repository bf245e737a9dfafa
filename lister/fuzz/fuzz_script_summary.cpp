// Arbitrary text as the scenario script and as the overview text: the
// script scan either reads it or raises a conversion error.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_lines.h"
#include "overview_text.h"
#include "script_summary.h"
#include "text_util.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    lister::ScanScript(FuzzInputLines(data, size));
  } catch (const lister::ConversionError&) {
  }
  lister::OverviewText(text);
  return 0;
}
