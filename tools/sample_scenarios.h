// The sample scenarios shipped in samples/Data/Scenarios, and damaged variants
// of them that the analyzer's tests read.
#pragma once

#include "scenario_writer.h"

#include <string>
#include <vector>

struct NamedScenario {
  std::string fileName;
  scenario_writer::Bytes bytes;
};

// Chunk types of the container.
const uint32_t kMapSizeChunk = 4;
const uint32_t kUnhandledChunk = 5;
const uint32_t kGoalsChunk = 6;
const uint32_t kScenarioChunk = 7;

scenario_writer::ScenarioFile MakeTiberis();
scenario_writer::ScenarioFile MakeCampaniaFelix();
scenario_writer::ScenarioFile MakeLegatus();
scenario_writer::ScenarioFile MakeNovaRoma();

std::vector<NamedScenario> MakeSampleScenarios();
std::vector<NamedScenario> MakeDamagedScenarios();
// Files whose chunks declare far more than they hold: what they cost must
// follow their size. Too large to seed a fuzzer with.
std::vector<NamedScenario> MakeCostlyScenarios();
