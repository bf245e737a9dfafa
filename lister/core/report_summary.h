// The summary facts the loader takes from the analyzer's report: goal kind,
// map size, region and the number of cities.
#pragma once

#include <string>
#include <vector>

#include "texts.h"
#include "view.h"

namespace lister {

struct ReportSummary {
  bool openPlay = false;
  int mapSide = 0;  // 128, 256, 384 or 512; 0 when the report names no such size
  std::string mapSize = german::kUnknown;
  std::string region = german::kUnknown;
  std::string citiesCount = german::kAbsent;
  int cityCount = 0;
};

// Reads the report without its file-name line. A line that the report lacks
// leaves its default. Throws ConversionError when a goals or cities line
// holds no number after its colon.
ReportSummary ReadReportSummary(const std::vector<std::string>& reportLines);

// `MapSizeInfo`, `MapLocationInfo`, `MapLocationInfo2` and `CitiesCountInfo`.
void ShowReportSummary(View& view, const ReportSummary& summary);

}  // namespace lister
