#include "city_page.h"

#include <gtest/gtest.h>

#include "recording_view.h"
#include "text_util.h"
#include "xml_texts.h"

namespace lister {
namespace {

// An empire as the analyzer prints it; city 6 has no route kind line and
// city 5 trades nothing, so their goods headings lie close together.
const std::vector<std::string> kEmpire = {
    "Empire Level",           "Number of cities: 12",
    "City 0:",                "  Home city",
    "City 1:",                "  Roman trade route",
    "  Land trade route",     "  Open: yes",
    "  Visible: yes",         "  Sells:",
    "    300 Denarii",        "    20 Wine",
    "    15 Olive Oil",       "    12 Marble",
    "    8 Iron",             "  Buys:",
    "    40 Grain",           "    5 Clay",
    "City 2:",                "  Roman trade route",
    "  Water trade route",    "  Open: no",
    "  Visible: yes",         "  Sells:",
    "    10 Timber",          "  Buys: none",
    "City 3:",                "  Foreign trade route",
    "  Water trade route",    "  Open: yes",
    "  Visible: no",          "  Sells: none",
    "  Buys:",                "    10 Olive Oil",
    "    7 Silk",             "    9 Glass",
    "City 4:",                "  Enemy site",
    "  Active: yes",          "  Visible: yes",
    "    4 Weapons",          "City 5:",
    "  Foreign trade route",  "  Land trade route",
    "  Open: yes",            "  Visible: yes",
    "  Sells: none",          "  Buys: none",
    "City 6:",                "  Water trade route",
    "  Open: yes",            "  Visible: yes",
    "  Sells:",               "    6 Spices",
    "  Buys:",                "    3 Wool",
    "City 7:",                "  Roman trade route",
    "  Land trade route",     "  Open: yes",
    "  Visible: yes",         "  Sells:",
    "    2 Salt",             "  Buys: none",
    "City 8:",                "  Home city",
    "City 9:",                "  Home city",
    "City 10:",               "  Home city",
    "City 11:",               "  Foreign trade route",
    "  Land trade route",     "  Open: no",
    "  Visible: yes",         "  Sells:",
    "    1 Furs",             "  Buys: none",
    "",                       "Invasions: 1",
};

class CityPage : public ::testing::Test {
 protected:
  void SetUp() override {
    state.reportLines = kEmpire;
    state.cityCount = 12;
    std::string xml = "<Texts>";
    for (int city = 0; city < 12; ++city)
      xml += "<String id='SITE_" + std::to_string(city) + "_FULLNAME'>Stadt " +
             std::to_string(city) + "</String>";
    texts.LoadText(xml + "</Texts>");
    FillCityList(view, state, texts);
  }

  void Select(int city) {
    view.SelectListItem("CityList", city);
    ShowCityKind(view, state, pages);
    ShowCityGoods(view, state, pages);
  }

  std::vector<std::string> Kind() {
    return {view.GetText("CityType"), view.GetText("TradeRouteType"),
            view.GetText("TradeRouteStatus")};
  }

  std::string Slot(const std::string& side, int slot) {
    std::string prefix = side + std::to_string(slot);
    return view.GetText(prefix + "Count") + "|" + view.GetText(prefix + "Name") + "|" +
           view[prefix + "Picture"].picture;
  }

  ScenarioState state;
  XmlTexts texts;
  RecordingView view;
  PageState pages;
};

TEST_F(CityPage, ListsOneEntryPerCityNamedByItsText) {
  ASSERT_EQ(view["CityList"].items.size(), 12u);
  EXPECT_EQ(view.ListItem("CityList", 0), "Stadt 0");
  EXPECT_EQ(view.ListItem("CityList", 1), "Stadt 1");  // "City 11:" is not city 1's header
  EXPECT_EQ(view.ListItem("CityList", 11), "Stadt 11");

  state.cityCount = 0;
  FillCityList(view, state, texts);
  EXPECT_TRUE(view["CityList"].items.empty());
}

TEST_F(CityPage, KindRouteAndStatusComeFromTheLinesAfterTheHeader) {
  Select(0);
  EXPECT_EQ(Kind(), (std::vector<std::string>{"Eure Stadt", "-*-", "-*-"}));
  EXPECT_TRUE(pages.cityHasNoTrade);
  Select(2);
  EXPECT_EQ(Kind(),
            (std::vector<std::string>{"Römische Stadt", "Wasserhandelsroute", "geschlossen"}));
  EXPECT_FALSE(pages.cityHasNoTrade);
  Select(3);
  EXPECT_EQ(Kind(), (std::vector<std::string>{"Ausländische Stadt", "Wasserhandelsroute",
                                              "geöffnet"}));
  Select(4);
  EXPECT_EQ(Kind(), (std::vector<std::string>{"Feindliche Stadt", "-*-", "-*-"}));
  EXPECT_TRUE(pages.cityHasNoTrade);
  Select(6);  // no route kind: everything one line early
  EXPECT_EQ(Kind(), (std::vector<std::string>{"", "-*-", "-*-"}));
  Select(11);
  EXPECT_EQ(Kind(), (std::vector<std::string>{"Ausländische Stadt", "Landhandelsroute",
                                              "geschlossen"}));
  Select(-1);
  EXPECT_EQ(Kind(), (std::vector<std::string>{"", "-*-", "-*-"}));
}

TEST_F(CityPage, ShowsTheFirstThreeGoodsEachWay) {
  Select(1);
  EXPECT_EQ(Slot("SellWare", 1), "300 |Denarii|Denarii");
  EXPECT_EQ(Slot("SellWare", 2), "20 |Wein|Wine");
  EXPECT_EQ(Slot("SellWare", 3), "15 |Olivenöl|OliveOil");
  EXPECT_EQ(Slot("BuyWare", 1), "40 |Getreide|Grain");
  EXPECT_EQ(Slot("BuyWare", 2), "5 |Ton|Clay");
  EXPECT_EQ(Slot("BuyWare", 3), "||");

  Select(3);
  EXPECT_EQ(Slot("SellWare", 1), "||");
  EXPECT_EQ(Slot("BuyWare", 1), "10 |Olivenöl|OliveOil");
  EXPECT_EQ(Slot("BuyWare", 3), "9 |Glaswaren|Glass");
}

TEST_F(CityPage, CitiesWithoutTradeShowNoGoods) {
  Select(1);
  Select(0);
  for (int slot = 1; slot <= 3; ++slot) {
    EXPECT_EQ(Slot("SellWare", slot), "||");
    EXPECT_EQ(Slot("BuyWare", slot), "||");
  }
  Select(4);  // the enemy's goods lines have no headings and are not shown
  EXPECT_EQ(Slot("SellWare", 1), "||");
  EXPECT_EQ(Slot("BuyWare", 1), "||");
}

TEST_F(CityPage, NeverShowsTheNextCitysGoods) {
  Select(5);  // trades nothing; city 6's headings lie within twelve lines
  EXPECT_EQ(Slot("SellWare", 1), "||");
  EXPECT_EQ(Slot("BuyWare", 1), "||");
  Select(6);
  EXPECT_EQ(Slot("SellWare", 1), "6 |Gewürze|Spices");
  EXPECT_EQ(Slot("SellWare", 2), "||");
  EXPECT_EQ(Slot("BuyWare", 1), "3 |Wolle|Wool");
  EXPECT_EQ(Slot("BuyWare", 2), "||");
}

TEST_F(CityPage, GoodsLineWithoutBlankIsAllName) {
  state.reportLines = {"City 0:", "  Roman trade route", "  Land trade route", "  Open: yes",
                       "  Visible: yes", "  Sells:", "    Silphium", "  Buys: none"};
  Select(0);
  EXPECT_EQ(Slot("SellWare", 1), "|Silphium|Silphium");
}

}  // namespace
}  // namespace lister
