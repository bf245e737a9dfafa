// One chunk handler on an inflated payload: the first byte picks the handler
// (map size, goals, scenario state), the rest is the payload, exactly sized so
// that any read past its end is caught.
#include "container.h"
#include "fuzz_support.h"
#include "report.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const ChunkHandler kHandlers[] = {HandleMapSizeChunk, HandleGoalsChunk, HandleScenarioChunk};

struct HandlerCall {
  ChunkHandler handler;
  const unsigned char* payload;
  int32_t length;
};

void CallHandler(void* context) {
  HandlerCall* call = static_cast<HandlerCall*>(context);
  call->handler(call->payload, call->length);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (freopen("/dev/null", "w", stdout) == nullptr) return 1;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size - 1 > INT32_MAX) return 0;
  size_t length = size - 1;
  unsigned char* payload = static_cast<unsigned char*>(malloc(length == 0 ? 1 : length));
  if (length > 0) memcpy(payload, data + 1, length);
  HandlerCall call = {kHandlers[data[0] % 3], payload, int32_t(length)};
  RunUntilFatal(CallHandler, &call);
  free(payload);
  return 0;
}
