// The sections of the scenario report. Handlers are ChunkHandlers; the Print
// functions read their fields through the reader and print as they go.
#pragma once

#include "payload_reader.h"

#include <cstdint>

// Chunk type 4.
void HandleMapSizeChunk(const unsigned char* payload, int32_t length);
// Chunk type 6.
void HandleGoalsChunk(const unsigned char* payload, int32_t length);
void PrintGoal(PayloadReader* reader);
// Chunk type 7: the scenario state, from the empire to the orders and requests.
void HandleScenarioChunk(const unsigned char* payload, int32_t length);

void PrintEmpire(PayloadReader* reader);
void PrintTradeGoods(PayloadReader* reader, uint32_t count);
void PrintInvasions(PayloadReader* reader);
void PrintTimePlayed(PayloadReader* reader);
void PrintRegion(PayloadReader* reader);
// Finds the resynchronisation sequence after a marker of 1; false when it is missing.
bool Resynchronise(PayloadReader* reader);
void PrintDisabledBuildings(PayloadReader* reader);
void PrintStartDate(PayloadReader* reader);
void PrintOrdersAndRequests(PayloadReader* reader);
