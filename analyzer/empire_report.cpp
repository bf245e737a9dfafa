#include "report.h"

#include "name_tables.h"

#include <cstdio>

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
  SkipBytes(reader, 8);
  SkipBytes(reader, 4);
  SkipString(reader);
  ReadU32(reader);
  bool open = ReadByte(reader) != 0;
  SkipBytes(reader, 2);
  SkipString(reader);
  SkipString(reader);
  SkipBytes(reader, 5);
  ReadU32(reader);
  return open;
}

void SkipIdStringList(PayloadReader* reader) {
  uint32_t count = ReadU32(reader);
  for (uint32_t i = 0; i < count; ++i) {
    ReadU32(reader);
    SkipString(reader);
    SkipBytes(reader, 4);
  }
}

void SkipTradeCityTail(PayloadReader* reader) {
  uint32_t count = ReadU32(reader);
  for (uint32_t i = 0; i < count; ++i) {
    SkipBytes(reader, 8);
    SkipIdStringList(reader);
    SkipIdStringList(reader);
    SkipBytes(reader, 8);
  }
  ReadByte(reader);
  uint32_t k = ReadU32(reader);
  SkipBytes(reader, 8 * uint64_t(k));
}

void PrintRouteLines(const TradeCity& city) {
  if (city.routeKind == kRomanRoute)
    printf("  Roman trade route\n");
  else if (city.routeKind == kForeignRoute)
    printf("  Foreign trade route\n");
  else if (city.routeKind == kEnemySite)
    printf("  Enemy site\n");
  if (city.routeKind != kEnemySite)
    printf(city.overWater ? "  Water trade route\n" : "  Land trade route\n");
  printf("  %s: %s\n", city.routeKind == kEnemySite ? "Active" : "Open", city.open ? "yes" : "no");
  printf("  Visible: %s\n", city.visible ? "yes" : "no");
}

// An enemy site's goods are listed without the "Sells"/"Buys" headings.
void PrintGoodsList(PayloadReader* reader, const char* heading, bool withHeading) {
  uint32_t count = ReadU32(reader);
  if (withHeading) printf(count > 0 ? "  %s:\n" : "  %s: none\n", heading);
  PrintTradeGoods(reader, count);
}

void PrintTradeCity(PayloadReader* reader, bool open) {
  TradeCity city;
  city.open = open;
  city.overWater = ReadU32(reader) != 0;
  SkipBytes(reader, 4);
  ReadU32(reader);
  SkipBytes(reader, 10);
  city.visible = ReadByte(reader) != 0;
  SkipBytes(reader, 8);
  city.routeKind = ReadU32(reader);
  SkipBytes(reader, 9);
  PrintRouteLines(city);
  bool withHeadings = city.routeKind != kEnemySite;
  PrintGoodsList(reader, "Sells", withHeadings);
  PrintGoodsList(reader, "Buys", withHeadings);
  SkipTradeCityTail(reader);
}

void PrintCity(PayloadReader* reader, uint32_t index) {
  uint32_t type = ReadU32(reader);
  printf("City %u:\n", index);
  if (type == kHomeCity)
    printf("  Home city\n");
  else if (type != kTradeOrEnemyCity)
    printf("  Unknown city type: %d (ptr = %x)\n", int32_t(type), unsigned(reader->position));
  bool open = ReadCommonCityPart(reader);
  if (type == kHomeCity)
    SkipString(reader);
  else if (type == kTradeOrEnemyCity)
    PrintTradeCity(reader, open);
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

void PrintTradeGoods(PayloadReader* reader, uint32_t count) {
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t id = ReadU32(reader);
    SkipString(reader);
    ReadU32(reader);
    int32_t amount = int32_t(ReadU32(reader));
    const char* name = FindGoodName(id);
    printf("    %d %s\n", amount, name != nullptr ? name : kUnknownName);
  }
}

void PrintEmpire(PayloadReader* reader) {
  SkipString(reader);
  uint32_t cityCount = ReadU32(reader);
  printf("Empire Level\n");
  printf("Number of cities: %d\n", int32_t(cityCount));
  for (uint32_t i = 0; i < cityCount; ++i) PrintCity(reader, i);
  printf("\n");
}

void PrintInvasions(PayloadReader* reader) {
  uint32_t invasionCount = ReadU32(reader);
  if (invasionCount == 0) return;
  printf("Invasions: %d\n", int32_t(invasionCount));
  for (uint32_t i = 0; i < invasionCount; ++i) {
    printf("  Invasion %u\n", i);
    SkipInvasionRecordHead(reader);
    int32_t buyOff = int32_t(ReadU32(reader));
    printf("    Buy-off: %d Dn\n", buyOff);
    uint32_t time = ReadU32(reader);
    printf("    Time of invasion: ");
    PrintDuration(time);
    printf("\n");
    SkipBytes(reader, 44);
    SkipString(reader);
    SkipBytes(reader, 29);
  }
  printf("\n");
}
