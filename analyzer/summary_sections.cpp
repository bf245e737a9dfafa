#include "report.h"

#include "name_tables.h"

namespace {

const uint32_t kTimeNotPlayed = 0xFFFFFFFFu;
const uint32_t kWeeksPerMonth = 4;
const char* const kMonthNames[] = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};
const uint32_t kMonthCount = sizeof kMonthNames / sizeof kMonthNames[0];

}  // namespace

void HandleMapSizeChunk(const ChunkPayload& payload, ReportWriter* out) {
  PayloadReader reader = MakePayloadReader(payload);
  Print(out, "Map size: ", int32_t(ReadU32(&reader)), "\n\n");
}

void PrintTimePlayed(PayloadReader* reader, ReportWriter* out) {
  uint32_t weeks = ReadU32(reader);
  if (weeks == kTimeNotPlayed) return;
  Print(out, "Time played: ");
  PrintDuration(out, weeks);
  Print(out, "\n\n");
}

// The region id stands in the first value, or, when that is 0 or unknown, in the second.
void PrintRegion(PayloadReader* reader, ReportWriter* out) {
  uint32_t first = ReadU32(reader);
  const char* name = first != 0 ? FindRegionName(first) : nullptr;
  if (name == nullptr) name = FindRegionName(ReadU32(reader));
  if (name != nullptr) Print(out, "Region: ", name, "\n\n");
  SkipString(reader);
}

bool Resynchronise(PayloadReader* reader) {
  unsigned char key[4];
  for (unsigned char& byte : key) byte = ReadByte(reader);
  const unsigned char sequence[12] = {key[0], key[1], key[2], key[3], 0,      0,
                                      0,      0,      key[0], key[1], key[2], key[3]};
  return FindSequence(reader, sequence, int32_t(sizeof sequence));
}

void PrintDisabledBuildings(PayloadReader* reader, ReportWriter* out) {
  uint32_t count = ReadU32(reader);
  if (count == 0) return;
  Print(out, "Disabled buildings:\n");
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t id = ReadU32(reader);
    SkipString(reader);
    const char* name = FindBuildingName(id);
    if (name != nullptr) Print(out, "  ", name, "\n");
  }
  Print(out, "\n");
}

void PrintStartDate(PayloadReader* reader, ReportWriter* out) {
  int64_t year = int32_t(ReadU32(reader));
  uint32_t week = ReadU32(reader);
  if (year >= 0)
    Print(out, "Start date: ", year, " AD");
  else
    Print(out, "Start date: ", -year, " BC");
  uint32_t month = week / kWeeksPerMonth;
  // Printed as signed like every other number of the report.
  if (month >= kMonthCount)
    Print(out, ", week ", int32_t(week), "\n\n");
  else if (week % kWeeksPerMonth != 0)
    Print(out, ", ", kMonthNames[month], ", week ", week % kWeeksPerMonth, "\n\n");
  else
    Print(out, ", ", kMonthNames[month], "\n\n");
}
