#include "chunk_memory.h"

#include <cstdlib>

unsigned char* AllocateChunkBuffer(uint32_t size) {
  return static_cast<unsigned char*>(malloc(size == 0 ? 1 : size));
}

void FreeChunkBuffer(unsigned char* buffer) { free(buffer); }
