#include "report.h"

#include "payload_layout.h"

namespace {

const uint32_t kResynchroniseMarker = 1;

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
    SkipBytes(reader, kStructureLeadBytes);
    SkipString(reader);
    SkipBytes(reader, kStructureGapAfterFirstString);
    SkipString(reader);
    SkipBytes(reader, kStructureGapAfterSecondString);
    SkipString(reader);
    SkipBytes(reader, kStructureGapAfterThirdString);
    SkipString(reader);
    SkipBytes(reader, kStructureTailBytes);
  }
}

void SkipSizedBlock(PayloadReader* reader) { SkipBytes(reader, ReadU32(reader)); }

// A count, replaced by a second value when it is above 1, then length-prefixed blocks.
void SkipSizedBlocks(PayloadReader* reader) {
  uint32_t count = ReadU32(reader);
  if (count > 1) count = ReadU32(reader);
  // Blocks hold no string, so they can run on through a zero tail.
  SkipEntries(reader, count, SkipSizedBlock);
}

void SkipCountedWordsAfterGap(PayloadReader* reader) {
  uint32_t count = ReadU32(reader);
  SkipBytes(reader, kWordListGapAfterCount);
  SkipBytes(reader, 4 * uint64_t(count));
}

// Everything from the start of the payload to the region.
void PrintWorldSections(PayloadReader* reader, ReportWriter* out) {
  SkipBytes(reader, kStateLeadBytes);
  SkipIdStringList(reader, kIdListEntryTailBytes);
  if (ReadByte(reader) != 0)
    PrintEmpire(reader, out);
  else
    Print(out, "No Empire Level present\n");
  SkipBytes(reader, kStateGapAfterEmpire);
  SkipWordListList(reader);
  ReadU32(reader);
  SkipCountedWords(reader);
  SkipBytes(reader, kStateGapBeforeFigures);
  SkipIdStringList(reader, kFigureListEntryTailBytes);
  SkipBytes(reader, kStateGapBeforeInvasions);
  PrintInvasions(reader, out);
  PrintTimePlayed(reader, out);
  SkipCountedWords(reader);
  SkipBytes(reader, kStateGapBeforeStructures);
  SkipStructureList(reader);
  PrintRegion(reader, out);
}

// Returns false when the marker's sequence is missing: the rest cannot be found.
bool ReachDisabledBuildings(PayloadReader* reader) {
  SkipIdStringList(reader, kIdListEntryTailBytes);
  SkipBytes(reader, kStateGapBetweenIdLists);
  SkipIdStringList(reader, kIdListEntryTailBytes);
  SkipBytes(reader, kStateGapBeforeMarker);
  if (ReadU32(reader) == kResynchroniseMarker) return Resynchronise(reader);
  SkipBytes(reader, kStateBytesAfterPlainMarker);
  return true;
}

void SkipToStartDate(PayloadReader* reader) {
  SkipCountedWords(reader);
  SkipBytes(reader, kStateGapAfterBuildingWords);
  SkipCountedWords(reader);
  SkipBytes(reader, kStateGapBeforeSizedBlocks);
  SkipSizedBlocks(reader);
  SkipBytes(reader, kStateGapAfterSizedBlocks);
  for (int i = 0; i < kStateNameLists; ++i) SkipIdStringList(reader, 0);
  ReadU32(reader);
  SkipString(reader);
  SkipBytes(reader, kStateGapAfterGovernor);
  if (ReadByte(reader) != 0) SkipBytes(reader, kStateBytesAfterSetFlag);
  SkipBytes(reader, kStateGapBeforeStartDate);
}

void SkipToOrdersAndRequests(PayloadReader* reader) {
  SkipBytes(reader, kStateGapAfterStartDate);
  SkipIdStringList(reader, 0);
  SkipCountedWordsAfterGap(reader);
  SkipCountedWordsAfterGap(reader);
  SkipBytes(reader, kStateGapBeforeDemands);
}

}  // namespace

void HandleScenarioChunk(const ChunkPayload& payload, ReportWriter* out) {
  PayloadReader reader = MakePayloadReader(payload);
  PrintWorldSections(&reader, out);
  if (!ReachDisabledBuildings(&reader)) return;
  PrintDisabledBuildings(&reader, out);
  SkipToStartDate(&reader);
  PrintStartDate(&reader, out);
  SkipToOrdersAndRequests(&reader);
  PrintOrdersAndRequests(&reader, out);
}
