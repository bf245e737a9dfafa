#include "pages.h"

#include <gtest/gtest.h>

#include "recording_view.h"
#include "xml_texts.h"

namespace lister {
namespace {

TEST(Pages, RefreshSelectsTheFirstCityAndRequestAndAClickKeepsTheCity) {
  ScenarioState state;
  state.reportLines = {"Empire Level", "Number of cities: 2", "City 0:", "  Home city",
                       "City 1:", "  Roman trade route", "  Land trade route", "  Open: yes",
                       "  Visible: yes", "  Sells:", "    5 Wine", "  Buys: none", "",
                       "Number of orders and requests: 2", "0: Request for 3 Iron",
                       "  Time of request : (none)", "  Time to comply  : 1 year",
                       "  Favor reward    : 2", "1: Order for 4 Clay",
                       "  Time of order   : (none)", "  Time to comply  : 1 year",
                       "  Favor penalty   : 1", ""};
  state.cityCount = 2;
  state.scriptLines = {"request = new MilitaryRequest();", "request.AddMilitaryRequest(r);"};
  XmlTexts texts;
  texts.LoadText("<T><String id='SITE_0_FULLNAME'>Roma</String>"
                 "<String id='SITE_1_FULLNAME'>Ostia</String></T>");
  RecordingView view;
  view.SetText("MilitaryInvasionsInfo", "-*-");
  view.SetText("MilitaryRequestsInfo", "1");
  PageState pages;

  RefreshPages(view, state, texts, pages);
  EXPECT_EQ(view["CityList"].items, (std::vector<std::string>{"Roma", "Ostia"}));
  EXPECT_EQ(view.SelectedListIndex("CityList"), 0);
  EXPECT_EQ(view.GetText("CityType"), "Eure Stadt");
  EXPECT_EQ(view.SelectedListIndex("REQList"), 0);
  EXPECT_EQ(view.GetText("REQWareName"), "Eisen");
  EXPECT_EQ(view["PGRessourcen"].children.size(), 45u);
  EXPECT_EQ(view.RichTexts("Invasionen")[1], "Keine Invasionen!");
  EXPECT_EQ(view.RichTexts("Anforderungen")[1], "Anforderungen 1");

  view.SelectListItem("REQList", 1);
  ShowRequest(view, state, texts, pages);
  EXPECT_EQ(view.GetText("REQWareName"), "Ton");
  view.SelectListItem("CityList", 1);
  RefreshCityPages(view, state, texts, pages);
  EXPECT_EQ(view.SelectedListIndex("CityList"), 1);
  EXPECT_EQ(view.GetText("SellWare1Name"), "Wein");
  EXPECT_EQ(view.SelectedListIndex("REQList"), 0);  // back to the first entry
  EXPECT_EQ(view.GetText("REQWareName"), "Eisen");
}

}  // namespace
}  // namespace lister
