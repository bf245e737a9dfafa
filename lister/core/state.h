// Process-wide state shared by the scenario loader and the page fillers.
#pragma once

#include <string>
#include <vector>

namespace lister {

// Replaced by every scenario load.
struct ScenarioState {
  std::string scenarioFile;  // bare file name with ".scn", as listed
  std::string scenarioBase;  // scenarioFile without its last four characters
  std::string pictureFile;   // scenarioBase + "_Color.dds"
  std::string scriptFile;    // scenarioBase + ".cs"
  std::string textFile;      // scenarioBase + ".xml"
  std::vector<std::string> reportLines;
  std::vector<std::string> scriptLines;
  int cityCount = 0;
};

// Set by the page fillers, read by the click handlers.
struct PageState {
  bool cityHasNoTrade = false;
  bool hasRequests = false;
  int requestCount = 0;
  int requestsStart = 0;
  int requestsEnd = 0;
  std::vector<std::string> resourceGoods;
};

}  // namespace lister
