#include "report.h"

#include "name_tables.h"

#include <cstdio>

namespace {

const uint32_t kTimeNotPlayed = 0xFFFFFFFFu;
const uint32_t kWeeksPerMonth = 4;
const char* const kMonthNames[] = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};
const uint32_t kMonthCount = sizeof kMonthNames / sizeof kMonthNames[0];

}  // namespace

void HandleMapSizeChunk(const unsigned char* payload, int32_t length) {
  PayloadReader reader = MakePayloadReader(payload, length);
  printf("Map size: %d\n\n", int32_t(ReadU32(&reader)));
}

void PrintTimePlayed(PayloadReader* reader) {
  uint32_t weeks = ReadU32(reader);
  if (weeks == kTimeNotPlayed) return;
  printf("Time played: ");
  PrintDuration(weeks);
  printf("\n\n");
}

// The region id stands in the first value, or, when that is 0 or unknown, in the second.
void PrintRegion(PayloadReader* reader) {
  uint32_t first = ReadU32(reader);
  const char* name = first != 0 ? FindRegionName(first) : nullptr;
  if (name == nullptr) name = FindRegionName(ReadU32(reader));
  if (name != nullptr) printf("Region: %s\n\n", name);
  SkipString(reader);
}

bool Resynchronise(PayloadReader* reader) {
  unsigned char key[4];
  for (unsigned char& byte : key) byte = ReadByte(reader);
  const unsigned char sequence[12] = {key[0], key[1], key[2], key[3], 0,      0,
                                      0,      0,      key[0], key[1], key[2], key[3]};
  return FindSequence(reader, sequence, int32_t(sizeof sequence));
}

void PrintDisabledBuildings(PayloadReader* reader) {
  uint32_t count = ReadU32(reader);
  if (count == 0) return;
  printf("Disabled buildings:\n");
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t id = ReadU32(reader);
    SkipString(reader);
    const char* name = FindBuildingName(id);
    if (name != nullptr) printf("  %s\n", name);
  }
  printf("\n");
}

void PrintStartDate(PayloadReader* reader) {
  int64_t year = int32_t(ReadU32(reader));
  uint32_t week = ReadU32(reader);
  if (year >= 0)
    printf("Start date: %lld AD", static_cast<long long>(year));
  else
    printf("Start date: %lld BC", static_cast<long long>(-year));
  uint32_t month = week / kWeeksPerMonth;
  // Printed as signed like every other number of the report.
  if (month >= kMonthCount)
    printf(", week %d\n\n", int32_t(week));
  else if (week % kWeeksPerMonth != 0)
    printf(", %s, week %u\n\n", kMonthNames[month], week % kWeeksPerMonth);
  else
    printf(", %s\n\n", kMonthNames[month]);
}
