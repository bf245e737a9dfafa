// Random report and script lines through every page filler: the first byte
// picks the city, request and label counts, a NUL byte separates the report
// from the script, and lines end at LF.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "city_page.h"
#include "pages.h"
#include "recording_view.h"
#include "text_util.h"

namespace {

using namespace lister;

class EchoTexts : public ScenarioTexts {
 public:
  bool Load(const std::string&) override { return true; }
  std::string Lookup(const std::string& id) const override { return id; }
};

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  int counts = data[0];
  std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
  std::size_t separator = rest.find('\0');

  ScenarioState state;
  state.reportLines = SplitLines(rest.substr(0, separator));
  state.cityHeaders = IndexCityHeaders(state.reportLines);
  if (separator != std::string::npos) state.scriptLines = SplitLines(rest.substr(separator + 1));
  state.cityCount = counts & 0x0F;

  // The window as the fillers see it: a name it lacks ends the run.
  RecordingView view;
  // Up to 135 entries, past the panes' bound of 100.
  view.SetText("MilitaryInvasionsInfo", std::to_string((counts >> 4) * 9));
  view.SetText("MilitaryRequestsInfo", std::to_string((counts >> 4) * 9));
  EchoTexts texts;
  PageState pages;
  try {
    RefreshPages(view, state, texts, pages);
    view.SelectListItem("CityList", (counts >> 4) % 12);
    RefreshCityPages(view, state, texts, pages);
    view.SelectListItem("REQList", (counts >> 2) % 13);
    ShowRequest(view, state, texts, pages);
  } catch (const ConversionError&) {
    // A count line without a number: the program shows the error and goes on.
  }
  return 0;
}
