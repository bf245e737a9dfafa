// A bounds-checked cursor over one inflated chunk payload.
#pragma once

#include <cstdint>

// A payload as inflation left it: the bytes the stream produced, then zeros
// up to the length the chunk declares. The zeros are never stored, so a chunk
// that declares far more than its stream holds costs only what it holds.
struct ChunkPayload {
  const unsigned char* bytes;  // not owned: the container walk frees them after the handler
  int32_t stored;              // bytes held; at most length
  int32_t length;              // the declared inflated length
};

struct PayloadReader {
  const unsigned char* data;
  int64_t position;  // offset of the next byte; only ever moves forward
  int32_t stored;    // bytes from here on read as zero
  int32_t size;
};

PayloadReader MakePayloadReader(const ChunkPayload& payload);
// A payload held whole in memory.
PayloadReader MakePayloadReader(const unsigned char* data, int32_t size);

// Reads fail with "Attempting to read past end of file" at the position before the read.
uint8_t ReadByte(PayloadReader* reader);
// ReadU32 where the four bytes are not all stored: zeros of the tail, or past the end.
uint32_t ReadU32NearEnd(PayloadReader* reader);

// Every field of every section goes through here: the common case is inline.
inline uint32_t ReadU32(PayloadReader* reader) {
  int64_t at = reader->position;
  if (at + 4 > reader->stored) return ReadU32NearEnd(reader);
  const unsigned char* p = reader->data + at;
  reader->position = at + 4;
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// Steps over a stored string; fails like a read when its tag or length lies
// beyond the payload, and with "String expected" for an unknown tag. The body
// is not checked: a body that runs past the end is caught by the next read.
void SkipString(PayloadReader* reader);

// Not checked: an overrun is caught by the next read. A 32-bit payload plus
// at most a few 33-bit skips before the next read cannot come near the range
// of the 64-bit cursor.
inline void SkipBytes(PayloadReader* reader, uint64_t count) { reader->position += int64_t(count); }

// Searches for the first occurrence of the bytes from the cursor on, wholly
// inside the payload. Found: the cursor stands after it. Not found: unchanged.
bool FindSequence(PayloadReader* reader, const unsigned char* bytes, int32_t count);

// Steps over count entries of a list, each with skipEntry. An entry without a
// string reads nothing but zeros once it starts in the unstored tail, so every
// such entry does the same: the ones that fit are stepped over in one jump,
// and a huge count costs no more than a small one. skipEntry must only read
// and skip: what it does may depend on the values it reads, nothing else.
void SkipEntries(PayloadReader* reader, uint32_t count, void (*skipEntry)(PayloadReader*));
