// The scenario file's container: header and directory stepped over, then typed
// chunks whose zlib-compressed payloads are inflated and handed to handlers.
#pragma once

#include "analyze.h"
#include "payload_reader.h"
#include "report_writer.h"

#include <cstdint>

// Called with the inflated payload (valid only during the call), which reads
// as the chunk's declared inflated length.
typedef void (*ChunkHandler)(const ChunkPayload& payload, ReportWriter* out);

const uint32_t kFirstHandledChunkType = 4;
const int kChunkHandlerSlots = 4;  // chunk types 4, 5, 6 and 7

struct ChunkHandlerTable {
  ChunkHandler handlers[kChunkHandlerSlots];  // empty slots are null
};

// Walks the file from offset 0 and dispatches every chunk; a chunk that
// cannot be inflated is dropped, with a line on messages when memory was
// short. A damaged file ends the walk with a ScenarioFault.
void WalkScenarioFile(ScenarioInput* input, const ChunkHandlerTable* table, ReportWriter* out,
                      ReportSink messages);
