// The whole container walk and every chunk handler, on a file held in memory.
#include "container.h"
#include "fuzz_support.h"
#include "report.h"

#include <cstdint>
#include <cstdio>

namespace {

const ChunkHandlerTable kHandlers = {
    {HandleMapSizeChunk, nullptr, HandleGoalsChunk, HandleScenarioChunk}};

void WalkFile(void* file) { WalkScenarioFile(static_cast<FILE*>(file), &kHandlers); }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The report is formatted in full but not kept.
  if (freopen("/dev/null", "w", stdout) == nullptr) return 1;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static char empty[1];
  FILE* file = fmemopen(size > 0 ? const_cast<uint8_t*>(data) : reinterpret_cast<uint8_t*>(empty),
                        size, "rb");
  if (file == nullptr) return 0;
  RunUntilFatal(WalkFile, file);
  fclose(file);
  return 0;
}
