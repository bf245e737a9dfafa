// make_bench_scenario SHAPE FILE: writes a large scenario and, in FILE.chunks,
// where each chunk's compressed data lies (offset, compressed length, inflated
// length per line) for the benchmark's floor. SHAPE "inflate": a scenario
// state of tens of MB, mostly text the report steps over, so inflating is most
// of the work. SHAPE "format": a 32 MiB state of tens of thousands of trade
// cities, invasions, orders and requests, whose report is about half its size.
#include "game_ids.h"
#include "sample_scenarios.h"

#include <cstdio>
#include <exception>
#include <string>

using namespace scenario_writer;

namespace {

const char* const kGoods[] = {"Grain",  "Wine",   "Olive Oil", "Pottery",
                              "Timber", "Marble", "Glass",     "Silk"};
const int kGoodsCount = 8;

struct Shape {
  int cities;
  int invasions;
  int demands;
  size_t paddingPerRecord;
};

const Shape kInflateHeavy = {6000, 3000, 30000, 700};
const Shape kFormatHeavy = {40000, 10000, 40000, 0};

ScenarioState MakeLargeState(const Shape& shape) {
  ScenarioState state;
  state.hasEmpire = true;
  state.paddingPerRecord = shape.paddingPerRecord;
  for (int i = 0; i < shape.cities; ++i) {
    City city{};
    city.name = "City " + std::to_string(i);
    city.type = i == 0 ? 2 : 3;
    city.routeKind = uint32_t(i % 3);
    city.overWater = i % 2 == 0;
    city.open = i % 5 != 0;
    city.visible = i % 7 != 0;
    for (int g = 0; g < 6; ++g)
      city.sells.push_back({GoodId(kGoods[(i + g) % kGoodsCount]), uint32_t(100 + i + g)});
    for (int g = 0; g < 4; ++g)
      city.buys.push_back({GoodId(kGoods[(i + 3 * g) % kGoodsCount]), uint32_t(50 + g)});
    state.cities.push_back(city);
  }
  for (int i = 0; i < shape.invasions; ++i)
    state.invasions.push_back({uint32_t(100 * i), uint32_t(4 + i)});
  for (int i = 0; i < shape.demands; ++i)
    state.demands.push_back({i % 2 == 0, uint32_t(i), uint32_t(4 + i % 50),
                             uint32_t(i % 3 == 0 ? 48 : 0), uint32_t(i % 4), uint32_t(i % 5),
                             GoodId(kGoods[i % kGoodsCount]), uint32_t(10 + i)});
  state.timePlayed = 500;
  state.regionValues = {RegionId("Asia")};
  state.marker = 1;
  state.disabledBuildings = {BuildingId("Forum"), BuildingId("Arena")};
  state.startYear = -50;
  state.startWeek = 13;
  return state;
}

}  // namespace

int main(int argc, char** argv) {
  std::string shapeName = argc == 3 ? argv[1] : "";
  if (shapeName != "inflate" && shapeName != "format") {
    fprintf(stderr, "Usage: %s inflate|format FILE\n", argv[0]);
    return 2;
  }
  const Shape& shape = shapeName == "inflate" ? kInflateHeavy : kFormatHeavy;
  std::string path = argv[2];
  try {
    ScenarioFile file = MakeTiberis();
    for (Chunk& chunk : file.chunks)
      if (chunk.type == kScenarioChunk) chunk.payload = MakeScenarioPayload(MakeLargeState(shape));
    std::vector<ChunkPlacement> placements;
    WriteFileBytes(path, MakeScenarioFile(file, &placements));
    std::string list;
    for (const ChunkPlacement& placement : placements)
      if (placement.type >= kMapSizeChunk && placement.type <= kScenarioChunk &&
          placement.type != kUnhandledChunk)
        list += std::to_string(placement.dataOffset) + " " +
                std::to_string(placement.compressedLength) + " " +
                std::to_string(placement.inflatedLength) + "\n";
    WriteFileBytes(path + ".chunks", Bytes(list.begin(), list.end()));
  } catch (const std::exception& error) {
    fprintf(stderr, "make_bench_scenario: %s\n", error.what());
    return 1;
  }
  return 0;
}
