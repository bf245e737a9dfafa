// One chunk handler on an inflated payload. The first byte picks the handler
// (map size, goals, scenario state) and how far the declared length reaches
// past the bytes: none, or up to 256 MiB of zeros that are never stored. The
// rest is the payload, exactly sized so that any read past its end is caught.
#include "container.h"
#include "fatal.h"
#include "report.h"
#include "report_writer.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

const ChunkHandler kHandlers[] = {HandleMapSizeChunk, HandleGoalsChunk, HandleScenarioChunk};
const int kHandlerCount = 3;
const uint32_t kLongestTailShift = 28;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  uint32_t tail = (1u << std::min(uint32_t(data[0] / kHandlerCount), kLongestTailShift)) - 1;
  size_t length = size - 1;
  if (length > size_t(INT32_MAX) - tail) return 0;
  unsigned char* bytes = static_cast<unsigned char*>(malloc(length == 0 ? 1 : length));
  if (length > 0) memcpy(bytes, data + 1, length);
  ReportWriter out;
  StartReport(&out, DiscardingReportSink());
  try {
    kHandlers[data[0] % kHandlerCount](ChunkPayload{bytes, int32_t(length), int32_t(length + tail)},
                                       &out);
  } catch (const ScenarioFault&) {
    // A damaged payload ends its report; that is all.
  }
  free(bytes);
  return 0;
}
