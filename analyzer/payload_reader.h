// A bounds-checked cursor over one inflated chunk payload.
#pragma once

#include <cstdint>

struct PayloadReader {
  const unsigned char* data;  // not owned: the container walk frees it after the handler
  int64_t position;           // offset of the next byte; only ever moves forward
  int32_t size;
};

PayloadReader MakePayloadReader(const unsigned char* data, int32_t size);

// Reads fail with "Attempting to read past end of file" at the position before the read.
uint32_t ReadU32(PayloadReader* reader);
uint8_t ReadByte(PayloadReader* reader);

// Steps over a stored string; fails like a read when its tag or length lies
// beyond the payload, and with "String expected" for an unknown tag. The body
// is not checked: a body that runs past the end is caught by the next read.
void SkipString(PayloadReader* reader);

// Not checked: an overrun is caught by the next read.
void SkipBytes(PayloadReader* reader, uint64_t count);

// Searches for the first occurrence of the bytes from the cursor on, wholly
// inside the payload. Found: the cursor stands after it. Not found: unchanged.
bool FindSequence(PayloadReader* reader, const unsigned char* bytes, int32_t count);
