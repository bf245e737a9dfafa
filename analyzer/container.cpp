#include "container.h"

#include "fatal.h"
#include "file_fields.h"
#include "payload_layout.h"

#include <zlib.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

const unsigned char kChunkMagic[4] = {'Z', 'L', 'I', 'B'};
// The size field counts the magic, the inflated length and the reserved field too.
const uint32_t kChunkFieldsAfterSize = 12;
// Real payloads are a few MB; a larger declared length is treated as memory
// that cannot be had.
const uint32_t kMaxInflatedLength = 256u << 20;
// Buffers grow with what the file really holds, never up front to a length it
// declares: compressed data is read in steps when the file cannot tell its
// size, and the payload starts at a few times its compressed size.
const size_t kUnknownSizeReadStep = 1u << 20;
const size_t kFirstPayloadCapacity = 64u << 10;
const size_t kPayloadPerCompressedByte = 4;

const char kNoMemoryForCompressed[] = "Could not malloc for compressed data\n";
const char kNoMemoryForPayload[] = "Could not malloc for uncompressed data\n";
const char kNoInflateStream[] = "Could not init inflate stream\n";

struct ChunkHeader {
  uint32_t type;
  uint32_t compressedLength;
  uint32_t inflatedLength;
};

// Heap bytes of one chunk, freed on every way out of it.
struct ChunkBytes {
  unsigned char* bytes = nullptr;
  size_t capacity = 0;
  ChunkBytes() = default;
  ChunkBytes(const ChunkBytes&) = delete;
  ChunkBytes& operator=(const ChunkBytes&) = delete;
  ~ChunkBytes() { free(bytes); }
};

bool GrowChunkBytes(ChunkBytes* buffer, size_t capacity) {
  void* grown = realloc(buffer->bytes, capacity);
  if (grown == nullptr) return false;
  buffer->bytes = static_cast<unsigned char*>(grown);
  buffer->capacity = capacity;
  return true;
}

enum InflateOutcome { kInflated, kStreamDamaged, kInflateUnavailable, kOutOfMemory };

void WriteMessage(ReportSink messages, const char* text) {
  messages.write(messages.context, text, strlen(text));
}

void SkipHeader(ScenarioInput* input) {
  SkipFileBytes(input, kHeaderLeadBytes);
  SkipFileString(input);
  SkipFileString(input);
  SkipFileBytes(input, kHeaderGapAfterTitles);
  uint32_t listCount = ReadFileU32(input);
  for (uint32_t i = 0; i < listCount; ++i) {
    SkipFileString(input);
    ReadFileU32(input);
  }
  SkipFileString(input);
  SkipFileString(input);
  SkipFileBytes(input, kHeaderGapBeforeOption);
  uint8_t optionFlag = ReadFileByte(input);
  SkipFileBytes(input, optionFlag != 0 ? kHeaderOptionBytesWhenSet : kHeaderOptionBytesWhenClear);
  SkipFileString(input);
  SkipFileString(input);
  SkipFileBytes(input, kHeaderGapBeforeLastString);
  SkipFileString(input);
  SkipFileBytes(input, kHeaderEndBytes);
}

void SkipDirectory(ScenarioInput* input) {
  for (int i = 0; i < kDirectoryStrings; ++i) SkipFileString(input);
  uint32_t entryCount = ReadFileU32(input);
  for (uint32_t i = 0; i < entryCount; ++i) {
    SkipFileBytes(input, kDirectoryEntryLeadBytes);
    SkipFileString(input);
    SkipFileString(input);
    SkipFileString(input);
    ReadFileByte(input);
    SkipFileBytes(input, kDirectoryEntryGapAfterFlag);
    SkipFileString(input);
  }
  SkipFileBytes(input, kDirectoryEndBytes);
}

ChunkHeader ReadChunkHeader(ScenarioInput* input) {
  ChunkHeader header;
  header.type = ReadFileU32(input);
  uint32_t size = ReadFileU32(input);
  if (size < kChunkFieldsAfterSize)
    ReportFatal("Chunk size smaller than its header", TellFile(input));
  header.compressedLength = size - kChunkFieldsAfterSize;
  for (unsigned char expected : kChunkMagic)
    if (ReadFileByte(input) != expected) ReportFatal("Invalid ZLIB header", TellFile(input));
  header.inflatedLength = ReadFileU32(input);
  ReadFileU32(input);  // reserved
  return header;
}

ChunkHandler FindChunkHandler(const ChunkHandlerTable* table, uint32_t type) {
  uint32_t slot = type - kFirstHandledChunkType;
  return slot < uint32_t(kChunkHandlerSlots) ? table->handlers[slot] : nullptr;
}

// Only whole chunks are inflated: a file that ends inside the data is damaged.
// Returns false, with the rest of the data stepped over, when memory for it
// cannot be had.
bool ReadCompressedData(ScenarioInput* input, uint32_t length, bool sizeKnown, ChunkBytes* data) {
  size_t done = 0;
  while (done < length) {
    if (done == data->capacity) {
      size_t wanted = sizeKnown ? length : std::max(2 * data->capacity, kUnknownSizeReadStep);
      if (!GrowChunkBytes(data, std::min(wanted, size_t(length)))) {
        SkipFileBytes(input, length - done);
        return false;
      }
    }
    size_t got = ReadFileBlock(input, data->bytes + done, data->capacity - done);
    if (got == 0) ReportFatal("End of file reached prematurely", TellFile(input));
    done += got;
  }
  return true;
}

size_t NextPayloadCapacity(size_t capacity, uint32_t compressedLength, uint32_t inflatedLength) {
  size_t wanted = capacity == 0 ? std::max(kFirstPayloadCapacity,
                                           kPayloadPerCompressedByte * size_t(compressedLength))
                                : 2 * capacity;
  return std::min(wanted, size_t(inflatedLength));
}

// Inflates at most the declared length into a payload that grows with what
// the stream yields; *produced tells how much it did.
InflateOutcome InflatePayload(ChunkBytes* compressed, uint32_t compressedLength,
                              uint32_t inflatedLength, ChunkBytes* payload, size_t* produced) {
  z_stream stream;
  memset(&stream, 0, sizeof stream);
  *produced = 0;
  if (inflateInit(&stream) != Z_OK) return kInflateUnavailable;
  stream.next_in = compressed->bytes;
  stream.avail_in = compressedLength;
  InflateOutcome outcome = kInflated;
  while (stream.avail_in > 0) {
    if (stream.total_out == payload->capacity && payload->capacity < inflatedLength &&
        !GrowChunkBytes(payload,
                        NextPayloadCapacity(payload->capacity, compressedLength, inflatedLength))) {
      outcome = kOutOfMemory;
      break;
    }
    // inflate wants an output address even where it has no room to write.
    unsigned char noRoom;
    stream.next_out = payload->bytes != nullptr ? payload->bytes + stream.total_out : &noRoom;
    stream.avail_out = uInt(payload->capacity - stream.total_out);
    int result = inflate(&stream, Z_NO_FLUSH);
    if (result == Z_STREAM_END) break;
    if (result == Z_MEM_ERROR) {
      outcome = kOutOfMemory;
      break;
    }
    if (result == Z_DATA_ERROR || result == Z_NEED_DICT) {
      outcome = kStreamDamaged;
      break;
    }
    // No further progress is possible once the declared length is full or inflate says so.
    if (result != Z_OK || stream.total_out == inflatedLength) break;
  }
  *produced = stream.total_out;
  inflateEnd(&stream);
  return outcome;
}

void DispatchChunk(ScenarioInput* input, const ChunkHandlerTable* table, const ChunkHeader& chunk,
                   int64_t fileSize, ReportWriter* out, ReportSink messages) {
  uint32_t length = chunk.compressedLength;
  ChunkHandler handler = FindChunkHandler(table, chunk.type);
  if (handler == nullptr) {
    SkipFileBytes(input, length);
    return;
  }
  if (fileSize >= 0 && length > fileSize - TellFile(input))
    ReportFatal("End of file reached prematurely", fileSize);

  if (chunk.inflatedLength > kMaxInflatedLength) {
    SkipFileBytes(input, length);
    WriteMessage(messages, kNoMemoryForPayload);
    return;
  }
  ChunkBytes payload;
  size_t produced = 0;
  {
    ChunkBytes compressed;
    if (!ReadCompressedData(input, length, fileSize >= 0, &compressed)) {
      WriteMessage(messages, kNoMemoryForCompressed);
      return;
    }
    // Without compressed data the payload is all zeros.
    if (length > 0) {
      switch (InflatePayload(&compressed, length, chunk.inflatedLength, &payload, &produced)) {
        case kInflated: break;
        case kStreamDamaged: return;
        case kInflateUnavailable: WriteMessage(messages, kNoInflateStream); return;
        case kOutOfMemory: WriteMessage(messages, kNoMemoryForPayload); return;
      }
    }
  }
  handler(ChunkPayload{payload.bytes, int32_t(produced), int32_t(chunk.inflatedLength)}, out);
}

}  // namespace

void WalkScenarioFile(ScenarioInput* input, const ChunkHandlerTable* table, ReportWriter* out,
                      ReportSink messages) {
  int64_t fileSize = MeasureFile(input);
  SkipHeader(input);
  uint32_t chunkCount = ReadFileU32(input);
  // The chunk table is not needed.
  SkipFileBytes(input, kChunkTableEntryBytes * uint64_t(chunkCount));
  SkipDirectory(input);
  for (uint32_t i = 0; i < chunkCount; ++i)
    DispatchChunk(input, table, ReadChunkHeader(input), fileSize, out, messages);
  // A skip may have run past the end without any read noticing it.
  if (fileSize >= 0 && TellFile(input) > fileSize)
    ReportFatal("End of file reached prematurely", TellFile(input));
}
