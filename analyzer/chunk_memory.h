// Buffers for one chunk's compressed data and inflated payload.
#pragma once

#include <cstdint>

// Returns null when the memory is not available. A size of 0 still yields a
// buffer, so that an empty payload is not mistaken for a shortage of memory.
unsigned char* AllocateChunkBuffer(uint32_t size);
void FreeChunkBuffer(unsigned char* buffer);
