// The scenario file's container: header and directory stepped over, then typed
// chunks whose zlib-compressed payloads are inflated and handed to handlers.
#pragma once

#include <cstdint>
#include <cstdio>

// Called with the inflated payload (valid only during the call) and the
// chunk's declared inflated length.
typedef void (*ChunkHandler)(const unsigned char* payload, int32_t length);

const uint32_t kFirstHandledChunkType = 4;
const int kChunkHandlerSlots = 4;  // chunk types 4, 5, 6 and 7

struct ChunkHandlerTable {
  ChunkHandler handlers[kChunkHandlerSlots];  // empty slots are null
};

// Walks the file from offset 0 and dispatches every chunk. Returns 0 when all
// chunks have been handled; a damaged file ends the process (ReportFatal).
int WalkScenarioFile(FILE* file, const ChunkHandlerTable* table);

uint32_t ReadFileU32(FILE* file);
void SkipFileString(FILE* file);
