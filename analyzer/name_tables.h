// The game's ids of goods, regions and buildings, with the English names the report prints.
#pragma once

#include "report_writer.h"

#include <cstdint>

struct NameEntry {
  uint32_t id;
  char name[24];
};

extern const NameEntry* GoodsNames;
extern const int GoodsNameCount;
extern const NameEntry* RegionNames;
extern const int RegionNameCount;
extern const NameEntry* BuildingNames;
extern const int BuildingNameCount;

// What the report prints for an id or index that has no name.
extern const char kUnknownName[];

// Each returns the name of the id, or null when the table has no such id.
const char* FindGoodName(uint32_t id);
const char* FindRegionName(uint32_t id);
const char* FindBuildingName(uint32_t id);

// Prints a count of weeks as years, months and weeks, without a line end.
void PrintDuration(ReportWriter* out, uint32_t weeks);
