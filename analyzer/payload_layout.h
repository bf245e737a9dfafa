// The sizes of the fields that the report steps over without reading them, in
// the order in which they stand in the file. The analyzer skips them and the
// test writer fills them, both by these names.
#pragma once

#include <cstdint>

// The container's header: lead, title strings, gap, a list, two strings, gap,
// option flag and its bytes, two strings, gap, a string, end.
const uint32_t kHeaderLeadBytes = 4;
const uint32_t kHeaderGapAfterTitles = 12;
const uint32_t kHeaderGapBeforeOption = 8;
const uint32_t kHeaderOptionBytesWhenSet = 6;
const uint32_t kHeaderOptionBytesWhenClear = 2;
const uint32_t kHeaderGapBeforeLastString = 4;
const uint32_t kHeaderEndBytes = 4;
// The chunk table after the chunk count: one entry per chunk.
const uint32_t kChunkTableEntryBytes = 4;
// The directory: strings, then entries (lead, three strings, a flag, gap, a string), end.
const int kDirectoryStrings = 10;
const uint32_t kDirectoryEntryLeadBytes = 20;
const uint32_t kDirectoryEntryGapAfterFlag = 4;
const uint32_t kDirectoryEndBytes = 4;

// Chunk type 6: lead and strings before the goal count.
const uint32_t kGoalsLeadBytes = 8;
const int kGoalsLeadStrings = 10;

// Chunk type 7, the scenario state, up to the empire.
const uint32_t kStateLeadBytes = 12;
// Lists of (u32, string, tail): the tail of each entry.
const uint32_t kIdListEntryTailBytes = 4;
const uint32_t kFigureListEntryTailBytes = 8;
// Between the empire and the invasions.
const uint32_t kStateGapAfterEmpire = 12;
const uint32_t kStateGapBeforeFigures = 12;
const uint32_t kStateGapBeforeInvasions = 13;
// Between the time played and the region: a gap, then a list of structures,
// each of lead, string, gap, string, gap, string, gap, string, tail.
const uint32_t kStateGapBeforeStructures = 21;
const uint32_t kStructureLeadBytes = 20;
const uint32_t kStructureGapAfterFirstString = 24;
const uint32_t kStructureGapAfterSecondString = 18;
const uint32_t kStructureGapAfterThirdString = 8;
const uint32_t kStructureTailBytes = 32;
// Between the region and the disabled buildings.
const uint32_t kStateGapBetweenIdLists = 8;
const uint32_t kStateGapBeforeMarker = 4;
const uint32_t kStateBytesAfterPlainMarker = 8;  // any marker but the resynchronising one
// Between the disabled buildings and the start date.
const uint32_t kStateGapAfterBuildingWords = 16;
const uint32_t kStateGapBeforeSizedBlocks = 44;
const uint32_t kStateGapAfterSizedBlocks = 1;
const int kStateNameLists = 7;
const uint32_t kStateGapAfterGovernor = 32;  // after the u32 and string that follow the name lists
const uint32_t kStateBytesAfterSetFlag = 12;
const uint32_t kStateGapBeforeStartDate = 4;
// Between the start date and the orders and requests: a gap, an id list, two
// counted word lists with a gap after each count, and a last gap.
const uint32_t kStateGapAfterStartDate = 75;
const uint32_t kWordListGapAfterCount = 4;
const uint32_t kStateGapBeforeDemands = 25;

// A city of the empire: the part every city has.
const uint32_t kCityGapAfterType = 8;
const uint32_t kCityGapBeforeName = 4;
const uint32_t kCityGapAfterOpenFlag = 2;
const uint32_t kCityGapBeforeLastField = 5;
// A trade city or enemy site, after the common part.
const uint32_t kTradeCityGapAfterWaterFlag = 4;
const uint32_t kTradeCityGapBeforeVisibleFlag = 10;
const uint32_t kTradeCityGapBeforeRouteKind = 8;
const uint32_t kTradeCityGapBeforeGoods = 9;
// The trade city's tail: entries of (lead, two id lists, tail), a flag, then
// a count of 8-byte pairs.
const uint32_t kTradeHistoryLeadBytes = 8;
const uint32_t kTradeHistoryTailBytes = 8;
const uint32_t kTradeCityPairBytes = 8;

// An invasion, after its time.
const uint32_t kInvasionGapAfterTime = 44;
const uint32_t kInvasionTailBytes = 29;

// An order or request, after its amount.
const uint32_t kDemandTailFirstBytes = 16;
const uint32_t kDemandTailSecondBytes = 22;
