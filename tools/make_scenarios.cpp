// make_scenarios ROOT: writes the sample scenarios, the damaged scenarios the
// analyzer's tests read, and the seeds of the analyzer's fuzz targets under ROOT.
#include "sample_scenarios.h"

#include <cstdio>
#include <exception>
#include <filesystem>

using namespace scenario_writer;
namespace fs = std::filesystem;

namespace {

// Seeds of the handler fuzz target: one selector byte, then the payload.
const uint8_t kChunkSelector[] = {0, 0, 1, 2};  // chunk types 4 to 7; 5 has no handler

void WriteAll(const fs::path& folder, const std::vector<NamedScenario>& scenarios) {
  fs::create_directories(folder);
  for (const NamedScenario& scenario : scenarios)
    WriteFileBytes((folder / scenario.fileName).string(), scenario.bytes);
}

void WriteChunkSeeds(const fs::path& folder) {
  fs::create_directories(folder);
  const ScenarioFile samples[] = {MakeTiberis(), MakeCampaniaFelix(), MakeLegatus(),
                                  MakeNovaRoma()};
  int index = 0;
  for (const ScenarioFile& sample : samples) {
    for (const Chunk& chunk : sample.chunks) {
      if (chunk.type < kMapSizeChunk || chunk.type > kScenarioChunk ||
          chunk.type == kUnhandledChunk)
        continue;
      Bytes seed = {kChunkSelector[chunk.type - kMapSizeChunk]};
      PutBytes(&seed, chunk.payload);
      char name[32];
      snprintf(name, sizeof name, "seed_%02d_type%u", index++, chunk.type);
      WriteFileBytes((folder / name).string(), seed);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "Usage: %s ROOT\n", argv[0]);
    return 2;
  }
  try {
    fs::path root = argv[1];
    std::vector<NamedScenario> samples = MakeSampleScenarios();
    std::vector<NamedScenario> damaged = MakeDamagedScenarios();
    WriteAll(root / "samples/Data/Scenarios", samples);
    WriteAll(root / "analyzer/tests/cases", damaged);
    WriteAll(root / "analyzer/tests/cases", MakeCostlyScenarios());
    WriteAll(root / "analyzer/fuzz/corpus/fuzz_analyzer_walk", samples);
    WriteAll(root / "analyzer/fuzz/corpus/fuzz_analyzer_walk", damaged);
    WriteChunkSeeds(root / "analyzer/fuzz/corpus/fuzz_analyzer_chunks");
  } catch (const std::exception& error) {
    fprintf(stderr, "make_scenarios: %s\n", error.what());
    return 1;
  }
  return 0;
}
