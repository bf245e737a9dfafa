#include "city_page.h"

#include <cctype>
#include <string>
#include <vector>

#include "text_util.h"
#include "translation.h"

namespace lister {

namespace {

constexpr int kGoodsSlots = 3;
// Lines from a city header searched for the "Sells:" and "Buys:" headings.
constexpr int kGoodsHeadingWindow = 12;

std::string CityHeader(int city) { return "City " + std::to_string(city) + ":"; }

// True for a line holding "City " + number + ":", the header of any city.
bool IsCityHeader(const std::string& line) {
  for (std::size_t at = line.find("City "); at != std::string::npos;
       at = line.find("City ", at + 1)) {
    std::size_t digits = at + 5;
    std::size_t end = digits;
    while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
    if (end > digits && end < line.size() && line[end] == ':') return true;
  }
  return false;
}

// A city's lines end at the next city's header or at the empty line after
// the last city.
bool EndsCityBlock(const std::string& line) { return line.empty() || IsCityHeader(line); }

struct CityKind {
  std::string type;
  std::string routeType = "-*-";
  std::string routeStatus = "-*-";
  bool noTrade = false;
};

// The lines after a header are read by position: kind, route, open flag.
CityKind ReadCityKind(const std::vector<std::string>& lines, std::size_t header) {
  CityKind kind;
  const std::string& kindLine = LineAt(lines, static_cast<long long>(header) + 1);
  if (Contains(kindLine, "Home ")) {
    kind.type = "Eure Stadt";
    kind.noTrade = true;
  }
  if (Contains(kindLine, "Enemy")) {
    kind.type = "Feindliche Stadt";
    kind.noTrade = true;
  }
  if (Contains(kindLine, "Roman")) kind.type = "Römische Stadt";
  if (Contains(kindLine, "Forei")) kind.type = "Ausländische Stadt";

  const std::string& routeLine = LineAt(lines, static_cast<long long>(header) + 2);
  if (Contains(routeLine, "Land")) kind.routeType = "Landhandelsroute";
  if (Contains(routeLine, "Water")) kind.routeType = "Wasserhandelsroute";

  const std::string& openLine = LineAt(lines, static_cast<long long>(header) + 3);
  if (Contains(openLine, "Open: no")) kind.routeStatus = "geschlossen";
  if (Contains(openLine, "Open: yes")) kind.routeStatus = "geöffnet";
  return kind;
}

std::string SlotControl(const char* side, int slot, const char* part) {
  return std::string(side) + std::to_string(slot) + part;
}

void ClearSlots(View& view, const char* side) {
  for (int slot = 1; slot <= kGoodsSlots; ++slot) {
    view.SetText(SlotControl(side, slot, "Name"), "");
    view.SetText(SlotControl(side, slot, "Count"), "");
    view.ClearPicture(SlotControl(side, slot, "Picture"));
  }
}

// A goods line is "    <amount> <English name>".
void FillSlot(View& view, const char* side, int slot, const std::string& goodsLine) {
  std::string trimmed = Trim(goodsLine);
  int blank = Pos(" ", trimmed);
  std::string englishName = Copy(trimmed, blank + 1, 20);
  view.SetText(SlotControl(side, slot, "Name"), GoodsText(englishName));
  view.SetText(SlotControl(side, slot, "Count"), Copy(trimmed, 1, blank));
  view.ShowBitmap(SlotControl(side, slot, "Picture"), GoodsBitmapName(englishName));
}

constexpr long long kNone = -1;

struct GoodsHeadings {
  long long sells = kNone;
  long long buys = kNone;
};

GoodsHeadings FindGoodsHeadings(const std::vector<std::string>& lines, const std::string& header) {
  GoodsHeadings headings;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!Contains(lines[i], header)) continue;
    for (std::size_t j = i; j < lines.size() && j < i + kGoodsHeadingWindow; ++j) {
      const std::string& line = lines[j];
      if (j > i && EndsCityBlock(line)) break;
      if (Contains(line, "Sells:")) headings.sells = static_cast<long long>(j);
      if (Contains(line, "Buys:")) headings.buys = static_cast<long long>(j);
      if (Contains(line, "Sells: none")) headings.sells = kNone;
      if (Contains(line, "Buys: none")) headings.buys = kNone;
    }
  }
  return headings;
}

}  // namespace

void FillCityList(View& view, const ScenarioState& state, const ScenarioTexts& texts) {
  view.ClearList("CityList");
  for (int city = 0; city < state.cityCount; ++city) {
    std::string header = CityHeader(city);
    for (const std::string& line : state.reportLines)
      if (Contains(line, header))
        view.AddListItem("CityList", texts.Lookup("SITE_" + std::to_string(city) + "_FULLNAME"));
  }
}

void ShowCityKind(View& view, const ScenarioState& state, PageState& pages) {
  CityKind kind;
  int city = view.SelectedListIndex("CityList");
  if (city >= 0) {
    std::string header = CityHeader(city);
    for (std::size_t i = 0; i < state.reportLines.size(); ++i)
      if (Contains(state.reportLines[i], header)) kind = ReadCityKind(state.reportLines, i);
  }
  pages.cityHasNoTrade = kind.noTrade;
  view.SetText("CityType", kind.type);
  view.SetText("TradeRouteType", kind.routeType);
  view.SetText("TradeRouteStatus", kind.routeStatus);
}

void ShowCityGoods(View& view, const ScenarioState& state, const PageState& pages) {
  ClearSlots(view, "SellWare");
  ClearSlots(view, "BuyWare");
  int city = view.SelectedListIndex("CityList");
  if (pages.cityHasNoTrade || city < 0) return;

  const std::vector<std::string>& lines = state.reportLines;
  GoodsHeadings headings = FindGoodsHeadings(lines, CityHeader(city));

  if (headings.sells != kNone) {
    for (int slot = 1; slot <= kGoodsSlots; ++slot) {
      long long at = headings.sells + slot;
      if (at >= static_cast<long long>(lines.size())) break;
      const std::string& line = LineAt(lines, at);
      if (Contains(line, "Buys:") || EndsCityBlock(line)) break;
      FillSlot(view, "SellWare", slot, line);
    }
  }
  if (headings.buys != kNone) {
    for (int slot = 1; slot <= kGoodsSlots; ++slot) {
      long long at = headings.buys + slot;
      if (at >= static_cast<long long>(lines.size())) break;
      const std::string& line = LineAt(lines, at);
      if (Contains(line, "City") || line.empty()) break;
      FillSlot(view, "BuyWare", slot, line);
    }
  }
}

}  // namespace lister
