// make_test_scenarios OUT: writes the scenario files the catalogue's tests
// read: the samples, the damaged files of the analyzer's tests, and
// generated scenarios ("Generiert 1" ...) of every shape the pages show,
// each with its XML text file, whose ids match its cities and requests.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "game_ids.h"
#include "name_tables.h"
#include "sample_scenarios.h"

using namespace scenario_writer;
namespace fs = std::filesystem;

namespace {

constexpr int kGeneratedCount = 6;

// The same numbers on every run, so that the tests' data do not change.
class Numbers {
 public:
  explicit Numbers(uint32_t seed) : state_(seed * 2654435761u + 1) {}
  uint32_t Below(uint32_t limit) {
    state_ = state_ * 1103515245u + 12345u;
    return (state_ >> 8) % limit;
  }

 private:
  uint32_t state_;
};

TradeGood AnyGood(Numbers& numbers) {
  return {GoodsNames[numbers.Below(static_cast<uint32_t>(GoodsNameCount))].id,
          10 * (1 + numbers.Below(90))};
}

City MakeCity(Numbers& numbers, int index) {
  City city{};
  city.name = "Site " + std::to_string(index);
  city.type = index == 0 ? 2 : 3;
  city.routeKind = numbers.Below(3);
  city.overWater = numbers.Below(2) == 0;
  city.open = numbers.Below(3) != 0;
  city.visible = numbers.Below(5) != 0;
  if (index == 0) return city;
  for (uint32_t n = numbers.Below(6); n > 0; --n) city.sells.push_back(AnyGood(numbers));
  for (uint32_t n = numbers.Below(5); n > 0; --n) city.buys.push_back(AnyGood(numbers));
  return city;
}

ScenarioFile MakeGenerated(int number, int& cityCount, int& demandCount) {
  Numbers numbers(static_cast<uint32_t>(number));
  ScenarioState state;
  state.hasEmpire = number != 3;  // one without an empire section
  if (state.hasEmpire) {
    cityCount = 1 + static_cast<int>(numbers.Below(number == 1 ? 1 : 14));
    for (int i = 0; i < cityCount; ++i) state.cities.push_back(MakeCity(numbers, i));
  } else {
    cityCount = 0;
  }
  for (uint32_t n = numbers.Below(4); n > 0; --n)
    state.invasions.push_back({100 * numbers.Below(30), 4 + numbers.Below(200)});
  state.timePlayed = numbers.Below(3) == 0 ? 0xFFFFFFFFu : numbers.Below(400);
  state.regionValues = {RegionNames[numbers.Below(static_cast<uint32_t>(RegionNameCount))].id};
  state.marker = 1;
  for (uint32_t n = numbers.Below(5); n > 0; --n)
    state.disabledBuildings.push_back(
        BuildingNames[numbers.Below(static_cast<uint32_t>(BuildingNameCount))].id);
  state.startYear = static_cast<int32_t>(numbers.Below(600)) - 300;
  state.startWeek = numbers.Below(48);
  demandCount = number == 2 ? 0 : static_cast<int>(numbers.Below(25));
  for (int i = 0; i < demandCount; ++i) {
    state.demands.push_back({numbers.Below(2) == 0, numbers.Below(300), 1 + numbers.Below(60),
                             numbers.Below(3) == 0 ? 48 * numbers.Below(3) : 0, numbers.Below(20),
                             numbers.Below(20), AnyGood(numbers).id, 1 + numbers.Below(900)});
  }

  const uint32_t kMapSizes[] = {128, 256, 384, 512, 1024, 1280};
  std::vector<Goal> goals;
  for (uint32_t n = numbers.Below(4); n > 0; --n)
    goals.push_back({0, 0, 3, 100 * (1 + numbers.Below(9)), 2, GoodId("Wine")});
  ScenarioFile file = MakeTiberis();
  for (Chunk& chunk : file.chunks) {
    if (chunk.type == kMapSizeChunk) chunk.payload = MakeMapSizePayload(kMapSizes[number % 6]);
    if (chunk.type == kGoalsChunk) chunk.payload = MakeGoalsPayload(goals);
    if (chunk.type == kScenarioChunk) chunk.payload = MakeScenarioPayload(state);
  }
  file.title = "Generiert " + std::to_string(number);
  return file;
}

// The texts the pages look up: overview, ratings, city names and request texts.
std::string MakeTexts(int number, int cityCount, int demandCount) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Strings>\n";
  auto add = [&](const std::string& id, const std::string& text) {
    xml += "  <String id=\"" + id + "\">" + text + "</String>\n";
  };
  add("OVERVIEW", "Generiert " + std::to_string(number) +
                      "\\n\\nEin Szenario f\xC3\xBCr die Tests des Katalogs.\\nZweite Zeile.");
  add("CULTURE", std::to_string(10 * number));
  add("SECURITY", std::to_string(5 * number));
  add("PROSPERITY", "");
  add("FAVOR", std::to_string(number));
  add("POPULATION", std::to_string(1000 * number));
  for (int i = 0; i < cityCount; ++i)
    add("SITE_" + std::to_string(i) + "_FULLNAME", "Stadt " + std::to_string(i) + " &amp; Umland");
  for (int i = 0; i < demandCount; ++i)
    add("REQUEST_" + std::to_string(i) + "_BODY",
        "Der Kaiser verlangt Lieferung Nummer " + std::to_string(i) + ".");
  return xml + "</Strings>\n";
}

void WriteText(const fs::path& path, const std::string& text) {
  WriteFileBytes(path.string(), Bytes(text.begin(), text.end()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Usage: %s OUT\n", argv[0]);
    return 2;
  }
  try {
    const fs::path out = argv[1];
    fs::create_directories(out);
    for (const NamedScenario& scenario : MakeSampleScenarios())
      WriteFileBytes((out / scenario.fileName).string(), scenario.bytes);
    for (const NamedScenario& scenario : MakeDamagedScenarios())
      WriteFileBytes((out / scenario.fileName).string(), scenario.bytes);
    for (int number = 1; number <= kGeneratedCount; ++number) {
      int cities = 0, demands = 0;
      const std::string base = "Generiert " + std::to_string(number);
      WriteFileBytes((out / (base + ".scn")).string(),
                     MakeScenarioFile(MakeGenerated(number, cities, demands)));
      WriteText(out / (base + ".xml"), MakeTexts(number, cities, demands));
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_test_scenarios: %s\n", error.what());
    return 1;
  }
  return 0;
}
