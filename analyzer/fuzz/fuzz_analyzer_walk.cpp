// The whole analysis, container walk and every chunk handler, of a file held
// in memory. The report is formatted in full but not kept.
#include "analyze.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  AnalyzeScenario(ScenarioInputFromBytes(data, size), "fuzz.scn", DiscardingReportSink(),
                  DiscardingReportSink());
  return 0;
}
