#include "report_summary.h"

#include "text_util.h"
#include "translation.h"

namespace lister {

namespace {

// Up to three characters after the line's first colon, trimmed: longer
// numbers are cut, as the lister has always read them.
std::string CountAfterColon(const std::string& line) {
  return Trim(Copy(line, Pos(":", line) + 1, 3));
}

}  // namespace

ReportSummary ReadReportSummary(const std::vector<std::string>& reportLines) {
  ReportSummary summary;
  bool mapSizeFound = false;
  bool regionFound = false;
  bool citiesFound = false;
  for (const std::string& line : reportLines) {
    // A scenario with exactly one goal is shown as open play.
    if (Contains(line, "Number of goals") && ParseInt(CountAfterColon(line)) == 1)
      summary.openPlay = true;
    if (Contains(line, "Open play")) summary.openPlay = true;
    if (!mapSizeFound && Contains(line, "Map size")) {
      summary.mapSide = MapSide(line);
      summary.mapSize = MapSizeText(summary.mapSide);
      mapSizeFound = true;
    }
    if (!regionFound && Contains(line, "Region")) {
      summary.region = RegionText(line);
      regionFound = true;
    }
    if (!citiesFound && Contains(line, "Number of cities:")) {
      summary.citiesCount = CountAfterColon(line);
      summary.cityCount = ParseInt(summary.citiesCount);
      citiesFound = true;
    }
  }
  return summary;
}

void ShowReportSummary(View& view, const ReportSummary& summary) {
  view.SetText("MapSizeInfo", summary.mapSize);
  view.SetText("MapLocationInfo", summary.region);
  view.SetText("MapLocationInfo2", summary.region);
  view.SetText("CitiesCountInfo", summary.citiesCount);
}

}  // namespace lister
