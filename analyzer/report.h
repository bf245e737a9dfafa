// The sections of the scenario report. Handlers are ChunkHandlers; the Print
// functions read their fields through the reader and write to the report.
#pragma once

#include "payload_reader.h"
#include "report_writer.h"

#include <cstdint>

// Chunk type 4.
void HandleMapSizeChunk(const ChunkPayload& payload, ReportWriter* out);
// Chunk type 6.
void HandleGoalsChunk(const ChunkPayload& payload, ReportWriter* out);
void PrintGoal(PayloadReader* reader, ReportWriter* out);
// Chunk type 7: the scenario state, from the empire to the orders and requests.
void HandleScenarioChunk(const ChunkPayload& payload, ReportWriter* out);

void PrintEmpire(PayloadReader* reader, ReportWriter* out);
void PrintTradeGoods(PayloadReader* reader, uint32_t count, ReportWriter* out);
void PrintInvasions(PayloadReader* reader, ReportWriter* out);
void PrintTimePlayed(PayloadReader* reader, ReportWriter* out);
void PrintRegion(PayloadReader* reader, ReportWriter* out);
// Finds the resynchronisation sequence after a marker of 1; false when it is missing.
bool Resynchronise(PayloadReader* reader);
void PrintDisabledBuildings(PayloadReader* reader, ReportWriter* out);
void PrintStartDate(PayloadReader* reader, ReportWriter* out);
void PrintOrdersAndRequests(PayloadReader* reader, ReportWriter* out);
