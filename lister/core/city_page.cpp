#include "city_page.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <iterator>
#include <string>
#include <vector>

#include "text_util.h"
#include "texts.h"
#include "translation.h"

namespace lister {

namespace {

constexpr int kGoodsSlots = 3;
// Lines from a city header searched for the "Sells:" and "Buys:" headings.
constexpr int kGoodsHeadingWindow = 12;

constexpr char kHeaderWord[] = "City ";
constexpr std::size_t kHeaderWordLength = sizeof kHeaderWord - 1;

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Calls found(digitsBegin, digitsEnd) for every "City <digits>:" in the line.
template <typename Found>
void ForEachHeaderNumber(const std::string& line, Found found) {
  for (std::size_t at = line.find(kHeaderWord); at != std::string::npos;
       at = line.find(kHeaderWord, at + 1)) {
    std::size_t digits = at + kHeaderWordLength;
    std::size_t end = digits;
    while (end < line.size() && IsDigit(line[end])) ++end;
    if (end > digits && end < line.size() && line[end] == ':') found(digits, end);
  }
}

// True for a line holding "City " + number + ":", the header of any city.
bool IsCityHeader(const std::string& line) {
  bool header = false;
  ForEachHeaderNumber(line, [&](std::size_t, std::size_t) { header = true; });
  return header;
}

// The city number the digits spell as std::to_string would write it; -1 for
// digits no city number is written as (a leading zero, beyond int).
int CityNumber(const std::string& line, std::size_t begin, std::size_t end) {
  constexpr std::size_t kMaxDigits = 10;  // INT_MAX has ten
  if ((line[begin] == '0' && end - begin > 1) || end - begin > kMaxDigits) return -1;
  long long number = 0;
  for (std::size_t i = begin; i < end; ++i) number = number * 10 + (line[i] - '0');
  return number > INT_MAX ? -1 : static_cast<int>(number);
}

struct HeaderLines {
  std::vector<CityHeaderLine>::const_iterator begin, end;
};

// The report lines that contain the header of the city, in report order.
HeaderLines LinesOfCity(const ScenarioState& state, int city) {
  auto range = std::equal_range(
      state.cityHeaders.begin(), state.cityHeaders.end(), CityHeaderLine{city, 0},
      [](const CityHeaderLine& a, const CityHeaderLine& b) { return a.city < b.city; });
  return {range.first, range.second};
}

// A city's lines end at the next city's header or at the empty line after
// the last city.
bool EndsCityBlock(const std::string& line) { return line.empty() || IsCityHeader(line); }

struct CityKind {
  std::string type;
  std::string routeType = german::kAbsent;
  std::string routeStatus = german::kAbsent;
  bool noTrade = false;
};

// The lines after a header are read by position: kind, route, open flag.
CityKind ReadCityKind(const std::vector<std::string>& lines, std::size_t header) {
  CityKind kind;
  const std::string& kindLine = LineAt(lines, static_cast<long long>(header) + 1);
  if (Contains(kindLine, "Home ")) {
    kind.type = german::kHomeCity;
    kind.noTrade = true;
  }
  if (Contains(kindLine, "Enemy")) {
    kind.type = german::kEnemyCity;
    kind.noTrade = true;
  }
  if (Contains(kindLine, "Roman")) kind.type = german::kRomanCity;
  if (Contains(kindLine, "Forei")) kind.type = german::kForeignCity;

  const std::string& routeLine = LineAt(lines, static_cast<long long>(header) + 2);
  if (Contains(routeLine, "Land")) kind.routeType = german::kLandRoute;
  if (Contains(routeLine, "Water")) kind.routeType = german::kWaterRoute;

  const std::string& openLine = LineAt(lines, static_cast<long long>(header) + 3);
  if (Contains(openLine, "Open: no")) kind.routeStatus = german::kRouteClosed;
  if (Contains(openLine, "Open: yes")) kind.routeStatus = german::kRouteOpen;
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

GoodsHeadings FindGoodsHeadings(const std::vector<std::string>& lines, HeaderLines headers) {
  GoodsHeadings headings;
  for (auto header = headers.begin; header != headers.end; ++header) {
    const std::size_t i = header->line;
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

std::vector<CityHeaderLine> IndexCityHeaders(const std::vector<std::string>& reportLines) {
  std::vector<CityHeaderLine> headers;
  std::vector<int> cities;
  for (std::size_t line = 0; line < reportLines.size(); ++line) {
    cities.clear();
    ForEachHeaderNumber(reportLines[line], [&](std::size_t begin, std::size_t end) {
      int city = CityNumber(reportLines[line], begin, end);
      if (city >= 0) cities.push_back(city);
    });
    // A line that names a city twice still holds its header once.
    std::sort(cities.begin(), cities.end());
    cities.erase(std::unique(cities.begin(), cities.end()), cities.end());
    for (int city : cities) headers.push_back({city, line});
  }
  std::stable_sort(
      headers.begin(), headers.end(),
      [](const CityHeaderLine& a, const CityHeaderLine& b) { return a.city < b.city; });
  return headers;
}

void FillCityList(View& view, const ScenarioState& state, const ScenarioTexts& texts) {
  view.ClearList("CityList");
  for (int city = 0; city < state.cityCount; ++city) {
    HeaderLines headers = LinesOfCity(state, city);
    if (headers.begin == headers.end) continue;
    const std::string name = texts.Lookup("SITE_" + std::to_string(city) + "_FULLNAME");
    for (auto header = headers.begin; header != headers.end; ++header)
      view.AddListItem("CityList", name);
  }
}

void ShowCityKind(View& view, const ScenarioState& state, PageState& pages) {
  CityKind kind;
  int city = view.SelectedListIndex("CityList");
  if (city >= 0) {
    // The last line that holds the header decides.
    HeaderLines headers = LinesOfCity(state, city);
    if (headers.begin != headers.end)
      kind = ReadCityKind(state.reportLines, std::prev(headers.end)->line);
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
  GoodsHeadings headings = FindGoodsHeadings(lines, LinesOfCity(state, city));

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
