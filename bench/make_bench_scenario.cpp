// make_bench_scenario FILE: writes a large scenario (a scenario state payload
// of tens of MB: thousands of cities, invasions, orders and requests) and, in
// FILE.chunks, where each chunk's compressed data lies (offset, compressed
// length, inflated length per line) for the benchmark's floor.
#include "game_ids.h"
#include "sample_scenarios.h"

#include <cstdio>
#include <exception>

using namespace scenario_writer;

namespace {

const int kCities = 6000;
const int kInvasions = 3000;
const int kDemands = 30000;
const size_t kPaddingPerRecord = 700;

ScenarioState MakeLargeState() {
  const char* goods[] = {"Grain",  "Wine",   "Olive Oil", "Pottery",
                         "Timber", "Marble", "Glass",     "Silk"};
  ScenarioState state;
  state.hasEmpire = true;
  state.paddingPerRecord = kPaddingPerRecord;
  for (int i = 0; i < kCities; ++i) {
    City city{};
    city.name = "City " + std::to_string(i);
    city.type = i == 0 ? 2 : 3;
    city.routeKind = uint32_t(i % 3);
    city.overWater = i % 2 == 0;
    city.open = i % 5 != 0;
    city.visible = i % 7 != 0;
    for (int g = 0; g < 6; ++g)
      city.sells.push_back({GoodId(goods[(i + g) % 8]), uint32_t(100 + i + g)});
    for (int g = 0; g < 4; ++g)
      city.buys.push_back({GoodId(goods[(i + 3 * g) % 8]), uint32_t(50 + g)});
    state.cities.push_back(city);
  }
  for (int i = 0; i < kInvasions; ++i)
    state.invasions.push_back({uint32_t(100 * i), uint32_t(4 + i)});
  for (int i = 0; i < kDemands; ++i)
    state.demands.push_back({i % 2 == 0, uint32_t(i), uint32_t(4 + i % 50),
                             uint32_t(i % 3 == 0 ? 48 : 0), uint32_t(i % 4), uint32_t(i % 5),
                             GoodId(goods[i % 8]), uint32_t(10 + i)});
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
  if (argc != 2) {
    fprintf(stderr, "Usage: %s FILE\n", argv[0]);
    return 2;
  }
  try {
    ScenarioFile file = MakeTiberis();
    for (Chunk& chunk : file.chunks)
      if (chunk.type == kScenarioChunk) chunk.payload = MakeScenarioPayload(MakeLargeState());
    std::vector<ChunkPlacement> placements;
    WriteFileBytes(argv[1], MakeScenarioFile(file, &placements));
    std::string list;
    for (const ChunkPlacement& placement : placements)
      if (placement.type >= kMapSizeChunk && placement.type <= kScenarioChunk &&
          placement.type != kUnhandledChunk)
        list += std::to_string(placement.dataOffset) + " " +
                std::to_string(placement.compressedLength) + " " +
                std::to_string(placement.inflatedLength) + "\n";
    WriteFileBytes(std::string(argv[1]) + ".chunks", Bytes(list.begin(), list.end()));
  } catch (const std::exception& error) {
    fprintf(stderr, "make_bench_scenario: %s\n", error.what());
    return 1;
  }
  return 0;
}
