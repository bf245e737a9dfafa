#include "payload_reader.h"

#include "fatal.h"

#include <cstring>

namespace {

const uint32_t kNarrowStringTag = 0xA0000001u;
const uint32_t kWideStringTag = 0x80000001u;

void RequireBytes(const PayloadReader* reader, int64_t count) {
  if (reader->position + count > reader->size)
    ReportFatal("Attempting to read past end of file", reader->position);
}

}  // namespace

PayloadReader MakePayloadReader(const unsigned char* data, int32_t size) {
  PayloadReader reader;
  reader.data = data;
  reader.position = 0;
  reader.size = size < 0 ? 0 : size;
  return reader;
}

uint32_t ReadU32(PayloadReader* reader) {
  RequireBytes(reader, 4);
  const unsigned char* p = reader->data + reader->position;
  reader->position += 4;
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint8_t ReadByte(PayloadReader* reader) {
  RequireBytes(reader, 1);
  return reader->data[reader->position++];
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

void SkipBytes(PayloadReader* reader, uint64_t count) {
  // A 32-bit payload plus at most a few 33-bit skips before the next read
  // cannot come near the range of the 64-bit cursor.
  reader->position += int64_t(count);
}

bool FindSequence(PayloadReader* reader, const unsigned char* bytes, int32_t count) {
  if (count <= 0 || reader->position >= reader->size) return false;
  const unsigned char* end = reader->data + reader->size;
  const unsigned char* candidate = reader->data + reader->position;
  while (end - candidate >= count) {
    candidate =
        static_cast<const unsigned char*>(memchr(candidate, bytes[0], size_t(end - candidate)));
    if (candidate == nullptr || end - candidate < count) return false;
    if (memcmp(candidate + 1, bytes + 1, size_t(count - 1)) == 0) {
      reader->position = (candidate - reader->data) + count;
      return true;
    }
    ++candidate;
  }
  return false;
}
