#include "payload_reader.h"

#include "fatal.h"

#include <algorithm>
#include <cstring>

namespace {

const uint32_t kNarrowStringTag = 0xA0000001u;
const uint32_t kWideStringTag = 0x80000001u;

void RequireBytes(const PayloadReader* reader, int64_t count) {
  if (reader->position + count > reader->size)
    ReportFatal("Attempting to read past end of file", reader->position);
}

uint8_t ByteAt(const PayloadReader* reader, int64_t index) {
  return index < reader->stored ? reader->data[index] : 0;
}

uint32_t AssembleU32(const unsigned char* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

bool MatchesAt(const PayloadReader* reader, int64_t index, const unsigned char* bytes,
               int32_t count) {
  if (index + count <= reader->stored)
    return memcmp(reader->data + index, bytes, size_t(count)) == 0;
  for (int32_t i = 0; i < count; ++i)
    if (ByteAt(reader, index + i) != bytes[i]) return false;
  return true;
}

bool AllZero(const unsigned char* bytes, int32_t count) {
  return std::all_of(bytes, bytes + count, [](unsigned char byte) { return byte == 0; });
}

}  // namespace

PayloadReader MakePayloadReader(const ChunkPayload& payload) {
  PayloadReader reader;
  reader.data = payload.bytes;
  reader.position = 0;
  reader.size = std::max(payload.length, 0);
  reader.stored = std::clamp(payload.stored, 0, reader.size);
  return reader;
}

PayloadReader MakePayloadReader(const unsigned char* data, int32_t size) {
  return MakePayloadReader(ChunkPayload{data, size, size});
}

uint32_t ReadU32NearEnd(PayloadReader* reader) {
  RequireBytes(reader, 4);
  unsigned char bytes[4];
  for (int i = 0; i < 4; ++i) bytes[i] = ByteAt(reader, reader->position + i);
  reader->position += 4;
  return AssembleU32(bytes);
}

uint8_t ReadByte(PayloadReader* reader) {
  RequireBytes(reader, 1);
  return ByteAt(reader, reader->position++);
}

void SkipString(PayloadReader* reader) {
  uint32_t tag = ReadU32(reader);
  uint32_t length = ReadU32(reader);
  if (tag == kNarrowStringTag)
    SkipBytes(reader, length);
  else if (tag == kWideStringTag)
    SkipBytes(reader, 2 * uint64_t(length));
  else
    ReportFatal("String expected", reader->position);
}

bool FindSequence(PayloadReader* reader, const unsigned char* bytes, int32_t count) {
  if (count <= 0 || reader->position >= reader->size) return false;
  const int64_t lastStart = int64_t(reader->size) - count;
  const unsigned char* data = reader->data;
  // Candidates among the stored bytes; a match may run on into the zeros after them.
  const int64_t storedEnd = std::min(int64_t(reader->stored), lastStart + 1);
  for (int64_t i = reader->position; i < storedEnd; ++i) {
    const void* hit = memchr(data + i, bytes[0], size_t(storedEnd - i));
    if (hit == nullptr) break;
    i = static_cast<const unsigned char*>(hit) - data;
    if (MatchesAt(reader, i, bytes, count)) {
      reader->position = i + count;
      return true;
    }
  }
  // In the unstored tail every candidate reads the same zeros: the first one decides.
  int64_t tailStart = std::max(reader->position, int64_t(reader->stored));
  if (tailStart <= lastStart && AllZero(bytes, count)) {
    reader->position = tailStart + count;
    return true;
  }
  return false;
}

void SkipEntries(PayloadReader* reader, uint32_t count, void (*skipEntry)(PayloadReader*)) {
  for (uint32_t i = 0; i < count; ++i) {
    int64_t start = reader->position;
    skipEntry(reader);
    if (start < reader->stored) continue;
    int64_t entryBytes = reader->position - start;
    // Every read moves the cursor: an entry that did not move read nothing,
    // and neither will the rest.
    if (entryBytes == 0) return;
    // Entries that end inside the payload cannot fail; the next one may, and
    // is left to the loop.
    int64_t room = int64_t(reader->size) - reader->position;
    if (room < entryBytes) continue;
    int64_t jump = std::min(int64_t(count - i - 1), room / entryBytes);
    reader->position += jump * entryBytes;
    i += uint32_t(jump);
  }
}
