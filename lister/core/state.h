// Process-wide state shared by the scenario loader and the page fillers.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "report_summary.h"
#include "script_summary.h"

namespace lister {

// A report line that holds the header "City <n>:" of city n.
struct CityHeaderLine {
  int city;
  std::size_t line;
};

// Replaced by every scenario load.
struct ScenarioState {
  std::string scenarioFile;  // bare file name with ".scn", as listed
  std::string scenarioBase;  // scenarioFile without its last four characters
  std::string pictureFile;   // scenarioBase + "_Color.dds"
  std::string scriptFile;    // scenarioBase + ".cs"
  std::string textFile;      // scenarioBase + ".xml"
  std::vector<std::string> reportLines;
  // Every city header of reportLines, sorted by city and then line; built
  // with the report (IndexCityHeaders), so the city pages never rescan it.
  std::vector<CityHeaderLine> cityHeaders;
  std::vector<std::string> scriptLines;
  int cityCount = 0;
  // What the summary of the "Ziele" page was made from, as values.
  ReportSummary report;
  ScriptSummary script;
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
