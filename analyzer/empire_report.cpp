#include "report.h"

#include "name_tables.h"
#include "payload_layout.h"

namespace {

enum CityType : uint32_t { kHomeCity = 2, kTradeOrEnemyCity = 3 };
enum RouteKind : uint32_t { kRomanRoute = 0, kForeignRoute = 1, kEnemySite = 2 };

struct TradeCity {
  bool open;
  bool overWater;
  bool visible;
  uint32_t routeKind;
};

// Returns the open flag; the rest of the part that every city type has is not printed.
bool ReadCommonCityPart(PayloadReader* reader) {
  SkipBytes(reader, kCityGapAfterType);
  SkipBytes(reader, kCityGapBeforeName);
  SkipString(reader);
  ReadU32(reader);
  bool open = ReadByte(reader) != 0;
  SkipBytes(reader, kCityGapAfterOpenFlag);
  SkipString(reader);
  SkipString(reader);
  SkipBytes(reader, kCityGapBeforeLastField);
  ReadU32(reader);
  return open;
}

void SkipIdStringList(PayloadReader* reader) {
  uint32_t count = ReadU32(reader);
  for (uint32_t i = 0; i < count; ++i) {
    ReadU32(reader);
    SkipString(reader);
    SkipBytes(reader, kIdListEntryTailBytes);
  }
}

void SkipTradeHistoryEntry(PayloadReader* reader) {
  SkipBytes(reader, kTradeHistoryLeadBytes);
  SkipIdStringList(reader);
  SkipIdStringList(reader);
  SkipBytes(reader, kTradeHistoryTailBytes);
}

void SkipTradeCityTail(PayloadReader* reader) {
  // Entries of empty lists hold no string, so they can run on through a zero tail.
  SkipEntries(reader, ReadU32(reader), SkipTradeHistoryEntry);
  ReadByte(reader);
  uint32_t pairCount = ReadU32(reader);
  SkipBytes(reader, kTradeCityPairBytes * uint64_t(pairCount));
}

void PrintRouteLines(const TradeCity& city, ReportWriter* out) {
  if (city.routeKind == kRomanRoute)
    Print(out, "  Roman trade route\n");
  else if (city.routeKind == kForeignRoute)
    Print(out, "  Foreign trade route\n");
  else if (city.routeKind == kEnemySite)
    Print(out, "  Enemy site\n");
  if (city.routeKind != kEnemySite)
    Print(out, city.overWater ? "  Water trade route\n" : "  Land trade route\n");
  Print(out, "  ", city.routeKind == kEnemySite ? "Active" : "Open", ": ", city.open ? "yes" : "no",
        "\n");
  Print(out, "  Visible: ", city.visible ? "yes" : "no", "\n");
}

// An enemy site's goods are listed without the "Sells"/"Buys" headings.
void PrintGoodsList(PayloadReader* reader, const char* heading, bool withHeading,
                    ReportWriter* out) {
  uint32_t count = ReadU32(reader);
  if (withHeading) Print(out, "  ", heading, count > 0 ? ":\n" : ": none\n");
  PrintTradeGoods(reader, count, out);
}

void PrintTradeCity(PayloadReader* reader, bool open, ReportWriter* out) {
  TradeCity city;
  city.open = open;
  city.overWater = ReadU32(reader) != 0;
  SkipBytes(reader, kTradeCityGapAfterWaterFlag);
  ReadU32(reader);
  SkipBytes(reader, kTradeCityGapBeforeVisibleFlag);
  city.visible = ReadByte(reader) != 0;
  SkipBytes(reader, kTradeCityGapBeforeRouteKind);
  city.routeKind = ReadU32(reader);
  SkipBytes(reader, kTradeCityGapBeforeGoods);
  PrintRouteLines(city, out);
  bool withHeadings = city.routeKind != kEnemySite;
  PrintGoodsList(reader, "Sells", withHeadings, out);
  PrintGoodsList(reader, "Buys", withHeadings, out);
  SkipTradeCityTail(reader);
}

void PrintCity(PayloadReader* reader, uint32_t index, ReportWriter* out) {
  uint32_t type = ReadU32(reader);
  Print(out, "City ", index, ":\n");
  if (type == kHomeCity)
    Print(out, "  Home city\n");
  else if (type != kTradeOrEnemyCity)
    Print(out, "  Unknown city type: ", int32_t(type), " (ptr = ", Hex{uint32_t(reader->position)},
          ")\n");
  bool open = ReadCommonCityPart(reader);
  if (type == kHomeCity)
    SkipString(reader);
  else if (type == kTradeOrEnemyCity)
    PrintTradeCity(reader, open, out);
}

void SkipInvasionRecordHead(PayloadReader* reader) {
  uint32_t count = ReadU32(reader);
  for (uint32_t i = 0; i < count; ++i) {
    ReadU32(reader);
    SkipString(reader);
    ReadU32(reader);
    ReadU32(reader);
    ReadU32(reader);
  }
  ReadU32(reader);
  ReadU32(reader);
  SkipString(reader);
}

}  // namespace

void PrintTradeGoods(PayloadReader* reader, uint32_t count, ReportWriter* out) {
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t id = ReadU32(reader);
    SkipString(reader);
    ReadU32(reader);
    int32_t amount = int32_t(ReadU32(reader));
    const char* name = FindGoodName(id);
    Print(out, "    ", amount, " ", name != nullptr ? name : kUnknownName, "\n");
  }
}

void PrintEmpire(PayloadReader* reader, ReportWriter* out) {
  SkipString(reader);
  uint32_t cityCount = ReadU32(reader);
  Print(out, "Empire Level\n");
  Print(out, "Number of cities: ", int32_t(cityCount), "\n");
  for (uint32_t i = 0; i < cityCount; ++i) PrintCity(reader, i, out);
  Print(out, "\n");
}

void PrintInvasions(PayloadReader* reader, ReportWriter* out) {
  uint32_t invasionCount = ReadU32(reader);
  if (invasionCount == 0) return;
  Print(out, "Invasions: ", int32_t(invasionCount), "\n");
  for (uint32_t i = 0; i < invasionCount; ++i) {
    Print(out, "  Invasion ", i, "\n");
    SkipInvasionRecordHead(reader);
    int32_t buyOff = int32_t(ReadU32(reader));
    Print(out, "    Buy-off: ", buyOff, " Dn\n");
    uint32_t time = ReadU32(reader);
    Print(out, "    Time of invasion: ");
    PrintDuration(out, time);
    Print(out, "\n");
    SkipBytes(reader, kInvasionGapAfterTime);
    SkipString(reader);
    SkipBytes(reader, kInvasionTailBytes);
  }
  Print(out, "\n");
}
