// Trade, resources and request pages on reports the samples do not cover.
#include <gtest/gtest.h>

#include <map>

#include "city_page.h"
#include "pages.h"
#include "recording_view.h"
#include "request_page.h"
#include "resource_page.h"
#include "text_util.h"
#include "xml_texts.h"

namespace lister {
namespace {

TEST(TradePage, TradeCityWithoutGoodsNeverShowsTheNextCitys) {
  ScenarioState state;
  state.reportLines = {"City 0:",
                       "  Foreign trade route",
                       "  Land trade route",
                       "  Open: yes",
                       "  Visible: yes",
                       "  Sells: none",
                       "  Buys: none",
                       "City 1:",
                       "  Water trade route",
                       "  Open: yes",
                       "  Visible: yes",
                       "  Sells:",
                       "    Silphium",
                       "  Buys:",
                       "    3 Wool"};
  state.cityHeaders = IndexCityHeaders(state.reportLines);
  RecordingView view;
  PageState pages;
  view.AddListItem("CityList", "A");
  view.AddListItem("CityList", "B");
  view.SelectListItem("CityList", 0);
  ShowCityKind(view, state, pages);
  ShowCityGoods(view, state, pages);
  EXPECT_EQ(view.GetText("SellWare1Name"), "");
  EXPECT_EQ(view.GetText("BuyWare1Name"), "");

  view.SelectListItem("CityList", 1);  // a goods line without a blank is all name
  ShowCityKind(view, state, pages);
  ShowCityGoods(view, state, pages);
  EXPECT_EQ(view.GetText("SellWare1Name"), "Silphium");
  EXPECT_EQ(view.GetText("SellWare1Count"), "");
  EXPECT_EQ(view.GetText("BuyWare1Name"), "Wolle");
}

// The lines a search for "City " + n + ":" finds, line by line.
std::vector<std::size_t> LinesContaining(const std::vector<std::string>& lines, int city) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (Contains(lines[i], "City " + std::to_string(city) + ":")) found.push_back(i);
  return found;
}

TEST(CityIndex, FindsExactlyTheLinesASubstringSearchFinds) {
  const std::vector<std::string> lines = {"City 1:",
                                          "City 11:",
                                          "City 01:",
                                          "  City 0:",
                                          "xCity 5:y",
                                          "City 5: City 6: City 5:",
                                          "City 2147483647:",
                                          "City 2147483648:",
                                          "City 99999999999:",
                                          "City :",
                                          "City 3",
                                          "City  3:",
                                          "Cities 4:",
                                          "City City 7:",
                                          "City 12a:",
                                          "Information for file: City 8:.scn",
                                          "City 1:"};
  const std::vector<CityHeaderLine> index = IndexCityHeaders(lines);
  std::map<int, std::vector<std::size_t>> indexed;
  for (const CityHeaderLine& header : index) indexed[header.city].push_back(header.line);

  for (int city : {0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 2147483647})
    EXPECT_EQ(indexed[city], LinesContaining(lines, city)) << "City " << city;
  for (const auto& [city, found] : indexed)
    EXPECT_EQ(found, LinesContaining(lines, city)) << "City " << city;
}

// A report far beyond any real one: 999 cities whose lines are indexed once,
// where the list used to search the whole report once for every city.
TEST(CityIndex, TenMillionLineReportFillsTheCityPageOnce) {
  constexpr int kCities = 999;
  constexpr std::size_t kLines = 10'000'000;
  ScenarioState state;
  state.cityCount = kCities;
  state.reportLines.reserve(kLines);
  const std::size_t linesPerCity = kLines / kCities;
  for (int city = 0; city < kCities; ++city) {
    state.reportLines.push_back("City " + std::to_string(city) + ":");
    for (const char* line : {"  Roman trade route", "  Water trade route", "  Open: no",
                             "  Visible: yes", "  Sells:", "    7 Olive Oil", "  Buys: none"})
      state.reportLines.push_back(line);
    while (state.reportLines.size() % linesPerCity != 0)
      state.reportLines.push_back("  Visible: yes");
  }
  state.cityHeaders = IndexCityHeaders(state.reportLines);
  RecordingView view;
  PageState pages;
  XmlTexts texts;
  FillCityList(view, state, texts);
  ASSERT_EQ(view["CityList"].items.size(), static_cast<std::size_t>(kCities));

  view.SelectListItem("CityList", kCities - 1);
  ShowCityKind(view, state, pages);
  ShowCityGoods(view, state, pages);
  EXPECT_EQ(view.GetText("CityType"), "Römische Stadt");
  EXPECT_EQ(view.GetText("TradeRouteStatus"), "geschlossen");
  EXPECT_EQ(view.GetText("SellWare1Name"), "Olivenöl");
  EXPECT_EQ(view.GetText("BuyWare1Name"), "");
}

TEST(ResourcePage, UnclosedListAndOneRemainingGood) {
  ScenarioState state;
  state.reportLines = {"Disabled buildings:", "  Sheep Farm"};
  RecordingView view;
  PageState pages;
  BuildResourcePage(view, state, pages);
  EXPECT_EQ(pages.resourceGoods.size(), 22u);

  state.reportLines = {"Disabled buildings:"};
  for (const char* row : {"Timber Cutting", "Clay Digging", "Sand Collecting", "Gold Mining",
                          "Marble Quarry", "Iron Mining"})
    state.reportLines.push_back(std::string("  ") + row + " Camp");
  for (const char* row : {"Utensils", "Pottery", "Weapons", "Wine", "Armor", "Furniture",
                          "Clothing", "Jewelry", "Olive Oil", "Glass"})
    state.reportLines.push_back(std::string("  ") + row + " Factory");
  for (const char* row : {"Olive", "Vegetable", "Sheep", "Cattle", "Grain"})
    state.reportLines.push_back(std::string("  ") + row + " Farm");
  state.reportLines.push_back("");
  BuildResourcePage(view, state, pages);
  const std::vector<CreatedControl>& controls = view["PGRessourcen"].children;
  ASSERT_EQ(controls.size(), 3u);  // the old controls are gone
  EXPECT_EQ(controls[1].name, "GrapesLabel");
  EXPECT_EQ(controls[1].rect.left, 238);
  EXPECT_EQ(controls[1].rect.top, 10);
}

TEST(RequestPage, ReportsWithoutUsableOrders) {
  ScenarioState state;
  RecordingView view;
  PageState pages;
  // A scenario chunk that ended before its orders prints neither orders line.
  state.reportLines = {"Map size: 128", "Region: Asia", ""};
  FillRequestList(view, state, pages);
  EXPECT_FALSE(pages.hasRequests);
  EXPECT_FALSE(view["REQPanel"].visible);
  EXPECT_EQ(view.GetText("TradeRequestsInfo"), "-*-");

  state.reportLines = {"Number of orders and requests: 7", "0: Order for 3 Iron", ""};
  FillRequestList(view, state, pages);
  EXPECT_EQ(view.GetText("TradeRequestsInfo"), " 7");
  XmlTexts texts;
  ShowRequest(view, state, texts, pages);  // nothing selected
  for (const char* name : {"REQWareCount", "REQWareName", "REQTime", "REQComply", "REQText"})
    EXPECT_EQ(view.GetText(name), "") << name;
  EXPECT_EQ(view.GetText("REQRecurs"), "-*-");
  EXPECT_EQ(view.GetText("REQReward"), "kein Ansehensgewinn");

  state.reportLines = {"Number of orders and requests: x1", ""};
  EXPECT_THROW(FillRequestList(view, state, pages), ConversionError);
}

}  // namespace
}  // namespace lister
