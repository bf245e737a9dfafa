#include "sample_scenarios.h"

#include "game_ids.h"

using namespace scenario_writer;

namespace {

const uint32_t kRoman = 0;
const uint32_t kForeign = 1;
const uint32_t kEnemy = 2;
const uint32_t kHomeCityType = 2;
const uint32_t kTradeCityType = 3;
const uint32_t kNotPlayed = 0xFFFFFFFFu;

enum Comparison : uint32_t { kLess, kLessOrEqual, kEqual, kAtLeast, kMore };
enum Condition : uint32_t { kVictoryOr, kDefeat, kVictoryAnd };

City HomeCity(const std::string& name) {
  City city{};
  city.name = name;
  city.type = kHomeCityType;
  city.open = true;
  return city;
}

City TradeCity(const std::string& name, uint32_t routeKind, bool overWater, bool open, bool visible,
               std::vector<TradeGood> sells, std::vector<TradeGood> buys) {
  City city{};
  city.name = name;
  city.type = kTradeCityType;
  city.routeKind = routeKind;
  city.overWater = overWater;
  city.open = open;
  city.visible = visible;
  city.sells = std::move(sells);
  city.buys = std::move(buys);
  return city;
}

TradeGood Goods(const char* name, uint32_t amount) { return TradeGood{GoodId(name), amount}; }

Demand Order(const char* goods, uint32_t amount, uint32_t made, uint32_t comply,
             uint32_t recurrence, uint32_t reward, uint32_t penalty) {
  return Demand{false, made, comply, recurrence, reward, penalty, GoodId(goods), amount};
}

Demand Request(const char* goods, uint32_t amount, uint32_t made, uint32_t comply,
               uint32_t recurrence, uint32_t reward, uint32_t penalty) {
  return Demand{true, made, comply, recurrence, reward, penalty, GoodId(goods), amount};
}

Chunk MakeChunk(uint32_t type, Bytes payload) {
  Chunk chunk;
  chunk.type = type;
  chunk.payload = std::move(payload);
  return chunk;
}

ScenarioFile Assemble(const std::string& title, uint32_t mapSize, const std::vector<Goal>& goals,
                      const ScenarioState& state) {
  ScenarioFile file;
  file.title = title;
  file.chunks.push_back(MakeChunk(kMapSizeChunk, MakeMapSizePayload(mapSize)));
  file.chunks.push_back(MakeChunk(kUnhandledChunk, Bytes(40, 0x55)));
  file.chunks.push_back(MakeChunk(kGoalsChunk, MakeGoalsPayload(goals)));
  file.chunks.push_back(MakeChunk(kScenarioChunk, MakeScenarioPayload(state)));
  return file;
}

ScenarioState TiberisState() {
  ScenarioState state;
  state.hasEmpire = true;
  state.cities = {
      HomeCity("Tiberis"),
      TradeCity("Ostia", kRoman, false, true, true,
                {Goods("Grain", 800), Goods("Olive Oil", 300), Goods("Pottery", 200),
                 Goods("Wine", 150), Goods("Timber", 400)},
                {Goods("Clothing", 100), Goods("Furniture", 60)}),
      TradeCity("Neapolis", kRoman, true, false, true, {Goods("Marble", 250)},
                {Goods("Glass", 80)}),
      TradeCity("Carthago", kForeign, true, true, true, {},
                {Goods("Olive Oil", 400), Goods("Weapons", 50), Goods("Denarii", 300)}),
      TradeCity("Castra Hostium", kEnemy, false, true, false, {}, {}),
      TradeCity("Capua", kRoman, false, true, true, {Goods("Vegetables", 300)},
                {Goods("Utensils", 40)}),
      TradeCity("Massilia", kForeign, true, true, false, {Goods("Salt", 120), Goods("Amber", 20)},
                {}),
      TradeCity("Tarentum", kRoman, true, true, true, {Goods("Wool", 200)}, {Goods("Jewelry", 10)}),
      TradeCity("Alexandria", kForeign, true, false, true,
                {Goods("Papyrus", 90), Goods("Spices", 30)}, {Goods("Iron", 70)}),
      TradeCity("Verona", kRoman, false, false, false, {Goods("Clay", 500)}, {Goods("Armor", 25)}),
      TradeCity("Antiochia", kForeign, false, true, true, {Goods("Silk", 15), Goods("Incense", 40)},
                {Goods("Gold", 5), Goods("Wine", 90)}),
      TradeCity("Gades", kForeign, true, true, true, {Goods("Honey", 60)},
                {Goods("Cosmetics", 35)}),
  };
  state.invasions = {{1500, 96}, {0, 53}};
  state.timePlayed = 53;
  state.regionValues = {0, RegionId("North Africa")};
  state.marker = 1;
  state.disabledBuildings = {BuildingId("Sheep Farm"), BuildingId("Olive Oil Factory"),
                             4000000001u};
  state.startYear = 14;
  state.startWeek = 7;
  state.demands = {
      Order("Wine", 100, 10, 24, 0, 0, 8),      Request("Olive Oil", 10, 20, 12, 0, 5, 0),
      Order("Pottery", 50, 0, 48, 0, 3, 0),     Request("Grain", 400, 30, 8, 48, 4, 2),
      Order("Timber", 200, 52, 20, 96, 2, 6),   Request("Furniture", 25, 60, 6, 0, 0, 0),
      Order("Weapons", 40, 100, 24, 0, 0, 10),  Request("Marble", 80, 106, 4, 0, 12, 3),
      Order("Clothing", 60, 144, 16, 24, 1, 1), Request("Denarii", 2000, 150, 48, 0, 20, 0),
      Order("Glass", 30, 200, 3, 0, 0, 4),      Request("Wool", 90, 210, 12, 52, 6, 0),
  };
  return state;
}

}  // namespace

ScenarioFile MakeTiberis() {
  std::vector<Goal> goals = {
      {0, 0, kAtLeast, 500, kVictoryAnd, GoodId("Wine")},
      {3, 0, kAtLeast, 2, kVictoryAnd, BuildingId("Forum")},
      {4, 3, kAtLeast, 40, kVictoryOr, 0},
  };
  ScenarioFile file = Assemble("Tiberis", 256, goals, TiberisState());
  file.chunks.push_back(MakeChunk(9, Bytes(16, 0x33)));
  return file;
}

ScenarioFile MakeCampaniaFelix() {
  ScenarioState state;
  state.hasEmpire = true;
  state.cities = {
      HomeCity("Campania Felix"),
      TradeCity("Puteoli", kRoman, true, true, true, {Goods("Grain", 300), Goods("Wine", 120)},
                {Goods("Pottery", 40)}),
      TradeCity("Cumae", kRoman, false, true, true, {}, {}),
  };
  state.timePlayed = 0;
  state.regionValues = {RegionId("Southern Europe")};
  state.marker = 3;
  state.startYear = -300;
  state.startWeek = 0;
  ScenarioFile file = Assemble("Campania Felix", 384, {}, state);
  file.optionFlag = false;
  file.directoryEntries = 0;
  return file;
}

ScenarioFile MakeLegatus() {
  std::vector<Goal> goals = {
      {0, 0, kLessOrEqual, 1000, kVictoryOr, GoodId("Grain")},
      {3, 0, kAtLeast, 4, kVictoryAnd, BuildingId("Bathhouse")},
      {4, 5, kMore, 30, kVictoryAnd, 0},
      {5, 2, 1, 0, kVictoryOr, 0},
      {5, 3, 0, 0, kDefeat, 0},
      {1, 0, kEqual, 5, kVictoryOr, 0},
      {2, 0, kEqual, 6, kVictoryOr, 0},
      {9, 0, kEqual, 7, kVictoryOr, 0},
      {0, 0, kLess, 10, kVictoryOr, 12345},
      {3, 0, kEqual, 1, kDefeat, 777},
      {4, 0, kAtLeast, 50, 7, 0},
      {0, 0, 5, 100, kVictoryOr, GoodId("Wine")},
      {4, 9, kAtLeast, 20, kVictoryAnd, 0},
  };
  ScenarioState state;
  state.hasEmpire = true;
  City unknownType = HomeCity("Vicus");
  unknownType.type = 7;
  state.cities = {
      HomeCity("Legatus"),
      unknownType,
      TradeCity("Aquileia", 5, true, true, false, {Goods("Iron", 60)}, {Goods("Armor", 20)}),
      TradeCity("Castra Barbarorum", kEnemy, false, false, true, {}, {Goods("Weapons", 35)}),
  };
  state.timePlayed = kNotPlayed;
  state.regionValues = {0, 5};
  state.marker = 0;
  state.disabledBuildings = {99};
  state.startYear = 120;
  state.startWeek = 50;
  state.demands = {
      Order("Armor", 30, 12, 24, 0, 0, 5),
      Order("Weapons", 45, 60, 36, 0, 7, 2),
  };
  return Assemble("Legatus", 128, goals, state);
}

ScenarioFile MakeNovaRoma() {
  std::vector<Goal> goals = {{5, 1, 1, 0, kVictoryOr, 0}};
  ScenarioState state;
  state.hasEmpire = true;
  state.cities = {
      HomeCity("Nova Roma"),
      TradeCity("Palmyra", kForeign, false, true, true,
                {Goods("Incense", 50), Goods("Perfume", 20)}, {Goods("Glass", 30)}),
  };
  state.invasions = {{800, 150}};
  state.timePlayed = 4;
  state.regionValues = {RegionId("Desert")};
  state.marker = 2;
  state.disabledBuildings = {BuildingId("Patrician home unocc."), BuildingId("Governor's Estate")};
  state.startYear = 250;
  state.startWeek = 20;
  state.demands = {
      Request("Silphium", 15, 8, 16, 0, 10, 5),
      Request("Ivory", 12, 40, 24, 0, 8, 0),
  };
  return Assemble("Nova Roma", 512, goals, state);
}

std::vector<NamedScenario> MakeSampleScenarios() {
  return {
      {"Tiberis.scn", MakeScenarioFile(MakeTiberis())},
      {"Campania Felix.scn", MakeScenarioFile(MakeCampaniaFelix())},
      {"Legatus.scn", MakeScenarioFile(MakeLegatus())},
      {"Nova Roma.scn", MakeScenarioFile(MakeNovaRoma())},
  };
}
