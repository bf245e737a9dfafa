// Random report and script lines through every page filler: the first byte
// picks the city, request and label counts, a NUL byte separates the report
// from the script, and lines end at LF.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "city_page.h"
#include "pages.h"
#include "text_util.h"

namespace {

using namespace lister;

// Keeps what the fillers read back: texts and list contents.
class SinkView : public View {
 public:
  void SetText(const std::string& control, const std::string& text) override {
    texts_[control] = text;
  }
  std::string GetText(const std::string& control) const override {
    auto it = texts_.find(control);
    return it == texts_.end() ? std::string() : it->second;
  }
  void SetTextColor(const std::string&, Rgb) override {}
  void ClearList(const std::string& list) override {
    lists_[list].clear();
    selected_[list] = -1;
  }
  void AddListItem(const std::string& list, const std::string& item) override {
    lists_[list].push_back(item);
  }
  void SelectListItem(const std::string& list, int index) override {
    selected_[list] = (index >= 0 && index < static_cast<int>(lists_[list].size())) ? index : -1;
  }
  int SelectedListIndex(const std::string& list) const override {
    auto it = selected_.find(list);
    return it == selected_.end() ? -1 : it->second;
  }
  std::string ListItem(const std::string& list, int index) const override {
    auto it = lists_.find(list);
    if (it == lists_.end() || index < 0 || index >= static_cast<int>(it->second.size())) return {};
    return it->second[static_cast<std::size_t>(index)];
  }
  void ShowBitmap(const std::string&, const std::string&) override {}
  void ShowPicture(const std::string&, const RgbPicture&) override {}
  void ClearPicture(const std::string&) override {}
  void SetVisible(const std::string&, bool) override {}
  void ClearRichText(const std::string&) override {}
  void AppendLine(const std::string&, const std::string&) override {}
  void AppendHeading(const std::string&, const std::string&, Rgb) override {}
  void ScrollToTop(const std::string&) override {}
  void RemoveChildren(const std::string&) override {}
  void CreateLabel(const std::string&, const std::string&, const std::string&, Rect,
                   LabelStyle) override {}
  void CreateImage(const std::string&, const std::string&, const std::string&, Rect) override {}

 private:
  std::map<std::string, std::string> texts_;
  std::map<std::string, std::vector<std::string>> lists_;
  std::map<std::string, int> selected_;
};

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

  SinkView view;
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
