#include "report.h"

#include <cstdio>

namespace {

const uint32_t kResynchroniseMarker = 1;
const int kDemandNameLists = 7;

// A u32 count k followed by k 4-byte values.
void SkipCountedWords(PayloadReader* reader) {
  uint32_t count = ReadU32(reader);
  SkipBytes(reader, 4 * uint64_t(count));
}

// A list of (u32 id, string, trailing bytes) entries.
void SkipIdStringList(PayloadReader* reader, uint32_t trailingBytes) {
  uint32_t count = ReadU32(reader);
  for (uint32_t i = 0; i < count; ++i) {
    ReadU32(reader);
    SkipString(reader);
    SkipBytes(reader, trailingBytes);
  }
}

void SkipWordListList(PayloadReader* reader) {
  uint32_t count = ReadU32(reader);
  for (uint32_t i = 0; i < count; ++i) {
    ReadU32(reader);
    SkipString(reader);
    SkipCountedWords(reader);
  }
}

void SkipStructureList(PayloadReader* reader) {
  uint32_t count = ReadU32(reader);
  for (uint32_t i = 0; i < count; ++i) {
    SkipBytes(reader, 20);
    SkipString(reader);
    SkipBytes(reader, 24);
    SkipString(reader);
    SkipBytes(reader, 18);
    SkipString(reader);
    SkipBytes(reader, 8);
    SkipString(reader);
    SkipBytes(reader, 32);
  }
}

// A count, replaced by a second value when it is above 1, then length-prefixed blocks.
void SkipSizedBlocks(PayloadReader* reader) {
  uint32_t count = ReadU32(reader);
  if (count > 1) count = ReadU32(reader);
  for (uint32_t i = 0; i < count; ++i) SkipBytes(reader, ReadU32(reader));
}

void SkipCountedWordsAfterGap(PayloadReader* reader) {
  uint32_t count = ReadU32(reader);
  SkipBytes(reader, 4);
  SkipBytes(reader, 4 * uint64_t(count));
}

// Everything from the start of the payload to the region.
void PrintWorldSections(PayloadReader* reader) {
  SkipBytes(reader, 12);
  SkipIdStringList(reader, 4);
  if (ReadByte(reader) != 0)
    PrintEmpire(reader);
  else
    printf("No Empire Level present\n");
  SkipBytes(reader, 12);
  SkipWordListList(reader);
  ReadU32(reader);
  SkipCountedWords(reader);
  SkipBytes(reader, 12);
  SkipIdStringList(reader, 8);
  SkipBytes(reader, 13);
  PrintInvasions(reader);
  PrintTimePlayed(reader);
  SkipCountedWords(reader);
  SkipBytes(reader, 21);
  SkipStructureList(reader);
  PrintRegion(reader);
}

// Returns false when the marker's sequence is missing: the rest cannot be found.
bool ReachDisabledBuildings(PayloadReader* reader) {
  SkipIdStringList(reader, 4);
  SkipBytes(reader, 8);
  SkipIdStringList(reader, 4);
  SkipBytes(reader, 4);
  if (ReadU32(reader) == kResynchroniseMarker) return Resynchronise(reader);
  SkipBytes(reader, 8);
  return true;
}

void SkipToStartDate(PayloadReader* reader) {
  SkipCountedWords(reader);
  SkipBytes(reader, 16);
  SkipCountedWords(reader);
  SkipBytes(reader, 44);
  SkipSizedBlocks(reader);
  SkipBytes(reader, 1);
  for (int i = 0; i < kDemandNameLists; ++i) SkipIdStringList(reader, 0);
  ReadU32(reader);
  SkipString(reader);
  SkipBytes(reader, 32);
  if (ReadByte(reader) != 0) SkipBytes(reader, 12);
  SkipBytes(reader, 4);
}

void SkipToOrdersAndRequests(PayloadReader* reader) {
  SkipBytes(reader, 75);
  SkipIdStringList(reader, 0);
  SkipCountedWordsAfterGap(reader);
  SkipCountedWordsAfterGap(reader);
  SkipBytes(reader, 25);
}

}  // namespace

void HandleScenarioChunk(const unsigned char* payload, int32_t length) {
  PayloadReader reader = MakePayloadReader(payload, length);
  PrintWorldSections(&reader);
  if (!ReachDisabledBuildings(&reader)) return;
  PrintDisabledBuildings(&reader);
  SkipToStartDate(&reader);
  PrintStartDate(&reader);
  SkipToOrdersAndRequests(&reader);
  PrintOrdersAndRequests(&reader);
}
