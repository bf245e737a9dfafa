#include "fuzz_support.h"

#include "chunk_memory.h"
#include "fatal.h"

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <vector>

namespace {

jmp_buf* fatalReturn = nullptr;
std::vector<unsigned char*> liveBuffers;

}  // namespace

unsigned char* AllocateChunkBuffer(uint32_t size) {
  unsigned char* buffer = static_cast<unsigned char*>(malloc(size == 0 ? 1 : size));
  if (buffer != nullptr) liveBuffers.push_back(buffer);
  return buffer;
}

void FreeChunkBuffer(unsigned char* buffer) {
  liveBuffers.erase(std::find(liveBuffers.begin(), liveBuffers.end(), buffer));
  free(buffer);
}

void ReportFatal(const char*, int64_t) {
  if (fatalReturn == nullptr) abort();
  longjmp(*fatalReturn, 1);
}

bool RunUntilFatal(void (*action)(void*), void* context) {
  jmp_buf here;
  fatalReturn = &here;
  bool completed = true;
  if (setjmp(here) == 0) {
    action(context);
  } else {
    completed = false;
    for (unsigned char* buffer : liveBuffers) free(buffer);
    liveBuffers.clear();
  }
  fatalReturn = nullptr;
  return completed;
}
