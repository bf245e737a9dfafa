#include "container.h"

#include "chunk_memory.h"
#include "fatal.h"
#include "file_fields.h"

#include <zlib.h>
#include <cstring>

namespace {

const int kDirectoryStrings = 10;
const unsigned char kChunkMagic[4] = {'Z', 'L', 'I', 'B'};
// The size field counts the magic, the inflated length and the reserved field too.
const uint32_t kChunkFieldsAfterSize = 12;
// Real payloads are a few MB; a larger declared length is treated as memory
// that cannot be had, so a small file cannot make the program hold gigabytes.
const uint32_t kMaxInflatedLength = 256u << 20;
// The oldest zlib interface the inflate calls need.
const char kZlibInterfaceVersion[] = "1.2.3";

struct ChunkHeader {
  uint32_t type;
  uint32_t compressedLength;
  uint32_t inflatedLength;
};

enum InflateOutcome { kInflated, kStreamDamaged, kInflateUnavailable };

void SkipHeader(FILE* file) {
  SkipFileBytes(file, 4);
  SkipFileString(file);
  SkipFileString(file);
  SkipFileBytes(file, 12);
  uint32_t listCount = ReadFileU32(file);
  for (uint32_t i = 0; i < listCount; ++i) {
    SkipFileString(file);
    ReadFileU32(file);
  }
  SkipFileString(file);
  SkipFileString(file);
  SkipFileBytes(file, 8);
  uint8_t optionFlag = ReadFileByte(file);
  SkipFileBytes(file, optionFlag != 0 ? 6 : 2);
  SkipFileString(file);
  SkipFileString(file);
  SkipFileBytes(file, 4);
  SkipFileString(file);
  SkipFileBytes(file, 4);
}

void SkipDirectory(FILE* file) {
  for (int i = 0; i < kDirectoryStrings; ++i) SkipFileString(file);
  uint32_t entryCount = ReadFileU32(file);
  for (uint32_t i = 0; i < entryCount; ++i) {
    SkipFileBytes(file, 20);
    SkipFileString(file);
    SkipFileString(file);
    SkipFileString(file);
    ReadFileByte(file);
    SkipFileBytes(file, 4);
    SkipFileString(file);
  }
  SkipFileBytes(file, 4);
}

ChunkHeader ReadChunkHeader(FILE* file) {
  ChunkHeader header;
  header.type = ReadFileU32(file);
  uint32_t size = ReadFileU32(file);
  if (size < kChunkFieldsAfterSize)
    ReportFatal("Chunk size smaller than its header", TellFile(file));
  header.compressedLength = size - kChunkFieldsAfterSize;
  for (unsigned char expected : kChunkMagic)
    if (ReadFileByte(file) != expected) ReportFatal("Invalid ZLIB header", TellFile(file));
  header.inflatedLength = ReadFileU32(file);
  ReadFileU32(file);  // reserved
  return header;
}

ChunkHandler FindChunkHandler(const ChunkHandlerTable* table, uint32_t type) {
  uint32_t slot = type - kFirstHandledChunkType;
  return slot < uint32_t(kChunkHandlerSlots) ? table->handlers[slot] : nullptr;
}

// Only whole chunks are inflated: a file that ends inside the data is damaged.
void ReadCompressedData(FILE* file, unsigned char* buffer, uint32_t length) {
  size_t done = 0;
  while (done < length) {
    size_t got = fread(buffer + done, 1, length - done, file);
    if (got == 0) ReportFatal("End of file reached prematurely", TellFile(file));
    done += got;
  }
}

// Inflates into the payload; bytes that the stream does not produce stay zero,
// so a short stream gives the same payload on every run.
InflateOutcome InflatePayload(unsigned char* compressed, uint32_t compressedLength,
                              unsigned char* payload, uint32_t inflatedLength) {
  z_stream stream;
  memset(&stream, 0, sizeof stream);
  if (inflateInit_(&stream, kZlibInterfaceVersion, int(sizeof stream)) != Z_OK)
    return kInflateUnavailable;
  stream.next_in = compressed;
  stream.avail_in = compressedLength;
  stream.next_out = payload;
  stream.avail_out = inflatedLength;
  while (stream.avail_in > 0) {
    int result = inflate(&stream, Z_NO_FLUSH);
    if (result == Z_STREAM_END) break;
    if (result == Z_DATA_ERROR || result == Z_MEM_ERROR || result == Z_NEED_DICT) {
      inflateEnd(&stream);
      return kStreamDamaged;
    }
    // No further progress is possible once the output is full or inflate says so.
    if (result != Z_OK || stream.avail_out == 0) break;
  }
  memset(payload + stream.total_out, 0, inflatedLength - stream.total_out);
  inflateEnd(&stream);
  return kInflated;
}

void DispatchChunk(FILE* file, const ChunkHandlerTable* table, const ChunkHeader& chunk,
                   int64_t fileSize) {
  uint32_t length = chunk.compressedLength;
  ChunkHandler handler = FindChunkHandler(table, chunk.type);
  if (handler == nullptr) {
    SkipFileBytes(file, length);
    return;
  }
  if (fileSize >= 0 && length > fileSize - TellFile(file))
    ReportFatal("End of file reached prematurely", fileSize);

  unsigned char* compressed = AllocateChunkBuffer(length);
  if (compressed == nullptr) {
    SkipFileBytes(file, length);
    fprintf(stderr, "Could not malloc for compressed data\n");
    return;
  }
  unsigned char* payload = chunk.inflatedLength <= kMaxInflatedLength
                               ? AllocateChunkBuffer(chunk.inflatedLength)
                               : nullptr;
  if (payload == nullptr) {
    FreeChunkBuffer(compressed);
    SkipFileBytes(file, length);
    fprintf(stderr, "Could not malloc for uncompressed data\n");
    return;
  }
  ReadCompressedData(file, compressed, length);

  InflateOutcome outcome = kInflated;
  if (length == 0)
    memset(payload, 0, chunk.inflatedLength);
  else
    outcome = InflatePayload(compressed, length, payload, chunk.inflatedLength);
  FreeChunkBuffer(compressed);
  if (outcome == kInflateUnavailable) fprintf(stderr, "Could not init inflate stream\n");
  if (outcome == kInflated) handler(payload, int32_t(chunk.inflatedLength));
  FreeChunkBuffer(payload);
}

}  // namespace

int WalkScenarioFile(FILE* file, const ChunkHandlerTable* table) {
  int64_t fileSize = MeasureFile(file);
  SkipHeader(file);
  uint32_t chunkCount = ReadFileU32(file);
  SkipFileBytes(file, 4 * uint64_t(chunkCount));  // the chunk table is not needed
  SkipDirectory(file);
  for (uint32_t i = 0; i < chunkCount; ++i)
    DispatchChunk(file, table, ReadChunkHeader(file), fileSize);
  // A skip may have run past the end without any read noticing it.
  if (fileSize >= 0 && TellFile(file) > fileSize)
    ReportFatal("End of file reached prematurely", TellFile(file));
  return 0;
}
