// Trade, resources and request pages on reports the samples do not cover.
#include <gtest/gtest.h>

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
