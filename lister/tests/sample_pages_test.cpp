// The pages of the sample game installation's scenarios, from the reports
// the analyzer prints for them and their own texts and scripts.
#include <gtest/gtest.h>

#include <fstream>

#include "city_page.h"
#include "pages.h"
#include "recording_view.h"
#include "script_summary.h"
#include "xml_texts.h"

namespace lister {
namespace {

using Lines = std::vector<std::string>;

Lines ReadLines(const std::string& path) {
  Lines lines;
  std::ifstream file(path);
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

class SamplePages : public ::testing::Test {
 protected:
  void Load(const std::string& base, const std::string& goldenName) {
    const std::string root = VALDORUM_SOURCE_DIR;
    const std::string scenarios = root + "/samples/Data/Scenarios/";
    view = RecordingView();
    state = ScenarioState();
    state.reportLines = ReadLines(root + "/analyzer/tests/golden/" + goldenName + ".out");
    ASSERT_FALSE(state.reportLines.empty());
    state.reportLines.erase(state.reportLines.begin());  // "Information for file: ..."
    state.cityHeaders = IndexCityHeaders(state.reportLines);
    state.scriptLines = ReadLines(scenarios + base + ".cs");
    ASSERT_TRUE(texts.Load(scenarios + base + ".xml"));
    for (const std::string& line : state.reportLines)
      if (line.rfind("Number of cities: ", 0) == 0) state.cityCount = std::stoi(line.substr(18));
    ShowScriptSummary(view, ScanScript(state.scriptLines));
    RefreshPages(view, state, texts, pages);
    // Every city and every order or request has its text.
    ASSERT_EQ(view["CityList"].items.size(), static_cast<std::size_t>(state.cityCount));
    for (const std::string& name : view["CityList"].items) EXPECT_NE(name, "");
    for (int entry = 0; entry < pages.requestCount; ++entry)
      EXPECT_NE(texts.Lookup("REQUEST_" + std::to_string(entry) + "_BODY"), "") << entry;
  }

  void SelectCity(int city) {
    view.SelectListItem("CityList", city);
    RefreshCityPages(view, state, texts, pages);
  }

  Lines City() {
    Lines shown = {view.GetText("CityType"), view.GetText("TradeRouteType"),
                   view.GetText("TradeRouteStatus")};
    for (const char* side : {"SellWare", "BuyWare"})
      for (int slot = 1; slot <= 3; ++slot) {
        std::string prefix = side + std::to_string(slot);
        shown.push_back(view.GetText(prefix + "Count") + view.GetText(prefix + "Name") + "|" +
                        view[prefix + "Picture"].picture);
      }
    return shown;
  }

  Lines Request(int entry) {
    view.SelectListItem("REQList", entry);
    ShowRequest(view, state, texts, pages);
    Lines shown;
    for (const char* name : {"REQWareCount", "REQWareName", "REQTime", "REQComply", "REQRecurs",
                             "REQReward", "REQPenalty"})
      shown.push_back(view.GetText(name));
    shown.push_back(view["REQWarePicture"].picture);
    return shown;
  }

  ScenarioState state;
  XmlTexts texts;
  RecordingView view;
  PageState pages;
};

TEST_F(SamplePages, CitiesAndTheirGoods) {
  Load("Tiberis", "tiberis");
  EXPECT_EQ(view.ListItem("CityList", 1), "Utica");  // "City 11:" is not city 1's header
  EXPECT_EQ(City(), (Lines{"Eure Stadt", "-*-", "-*-", "|", "|", "|", "|", "|", "|"}));
  SelectCity(1);  // sells five goods
  EXPECT_EQ(City(), (Lines{"Römische Stadt", "Landhandelsroute", "geöffnet", "800 Getreide|Grain",
                           "300 Olivenöl|OliveOil", "200 Töpferwaren|Pottery",
                           "100 Kleidung|Clothing", "60 Möbel|Furniture", "|"}));
  SelectCity(2);
  EXPECT_EQ(City(), (Lines{"Römische Stadt", "Wasserhandelsroute", "geschlossen",
                           "250 Marmor|Marble", "|", "|", "80 Glaswaren|Glass", "|", "|"}));
  SelectCity(3);
  EXPECT_EQ(City(), (Lines{"Ausländische Stadt", "Wasserhandelsroute", "geöffnet", "|", "|", "|",
                           "400 Olivenöl|OliveOil", "50 Waffen|Weapons", "300 Denarii|Denarii"}));
  SelectCity(4);
  EXPECT_EQ(City(), (Lines{"Feindliche Stadt", "-*-", "-*-", "|", "|", "|", "|", "|", "|"}));
  EXPECT_EQ(view.SelectedListIndex("CityList"), 4);

  // City 1 is of an unknown type; city 2's goods headings follow within
  // twelve lines but belong to city 2 alone.
  Load("Legatus", "legatus");
  SelectCity(1);
  EXPECT_EQ(City(), (Lines{"", "-*-", "-*-", "|", "|", "|", "|", "|", "|"}));
  SelectCity(2);  // no route kind line: the positional tests find nothing
  EXPECT_EQ(City(),
            (Lines{"", "-*-", "-*-", "60 Eisen|Iron", "|", "|", "20 Rüstungen|Armor", "|", "|"}));
}

TEST_F(SamplePages, OrdersAndRequests) {
  Load("Tiberis", "tiberis");
  EXPECT_EQ(view.GetText("TradeRequestsInfo"), " 12");
  ASSERT_EQ(view["REQList"].items.size(), 12u);
  EXPECT_EQ(view.ListItem("REQList", 11), "Forderung 11");
  EXPECT_TRUE(view["REQPanel"].visible);
  EXPECT_EQ(Request(0), (Lines{"100", "Wein", "2 Monaten, 2 Wochen", "6 Monaten", "-*-",
                               "kein Ansehensgewinn", "8 Punkte Ansehensverlust", "Wine"}));
  EXPECT_EQ(Request(1), (Lines{"10", "Olivenöl", "5 Monaten", "3 Monaten", "-*-",
                               "5 Punkte Ansehen", "kein Ansehensverlust", "OliveOil"}));
  EXPECT_NE(view.GetText("REQText"), texts.Lookup("REQUEST_11_BODY"));
  EXPECT_EQ(Request(2)[2], "(none)");
  EXPECT_EQ(Request(3)[4], "1 Jahr");
  state.reportLines.push_back("  Favor penalty   : 9");  // a later section
  EXPECT_EQ(Request(11),
            (Lines{"90", "Wolle", "4 Jahren, 4 Monaten, 2 Wochen", "3 Monaten", "1 Jahr, 1 Monat",
                   "6 Punkte Ansehen", "kein Ansehensverlust", "Wool"}));
  EXPECT_EQ(view.GetText("REQText"), texts.Lookup("REQUEST_11_BODY"));

  Request(5);
  SelectCity(2);  // a city click returns to the first entry
  EXPECT_EQ(view.SelectedListIndex("REQList"), 0);
  EXPECT_EQ(view.GetText("REQWareName"), "Wein");

  Load("Campania Felix", "campania_felix");
  EXPECT_FALSE(pages.hasRequests);
  EXPECT_FALSE(view["REQPanel"].visible);
  EXPECT_EQ(view.GetText("TradeRequestsInfo"), "-*-");
  EXPECT_EQ(view.SelectedListIndex("REQList"), -1);
}

TEST_F(SamplePages, Resources) {
  Load("Tiberis", "tiberis");  // sheep farm and olive oil factory disabled
  EXPECT_EQ(pages.resourceGoods.size(), 20u);
  const std::vector<CreatedControl>& controls = view["PGRessourcen"].children;
  ASSERT_EQ(controls.size(), 1u + 2 * 20);
  EXPECT_EQ(controls[0].name, "ResourceHeader");
  EXPECT_EQ(controls[0].rect.width, 220);
  for (const CreatedControl& control : controls) {
    EXPECT_EQ(control.name.find("Wool"), std::string::npos);
    EXPECT_EQ(control.name.find("OliveOil"), std::string::npos);
  }
  EXPECT_EQ(controls[2 * 15 + 1].name, "OlivesLabel");  // second column, fifth row
  EXPECT_EQ(controls[2 * 15 + 1].rect.left, 395);
  EXPECT_EQ(controls[2 * 15 + 2].rect.left, 497);
  EXPECT_EQ(controls[2 * 15 + 1].rect.top, 10 + 4 * 33);

  Load("Campania Felix", "campania_felix");  // no "Disabled buildings:" line
  ASSERT_EQ(view["PGRessourcen"].children.size(), 1u + 2 * 22);
  const CreatedControl& grapes = view["PGRessourcen"].children.back();
  EXPECT_EQ(grapes.name, "GrapesImage");
  EXPECT_EQ(grapes.rect.top, 340);
  EXPECT_EQ(view["PGRessourcen"].children[1].content, "Nutzholz");
  EXPECT_EQ(view["PGRessourcen"].children[1].rect.left, 238);
}

TEST_F(SamplePages, MilitaryPanes) {
  Load("Tiberis", "tiberis");
  EXPECT_EQ(view.RichTexts("Invasionen"), (Lines{"",
                                                 "Invasion 1",
                                                 " Karthager,  Belagerung",
                                                 " Start nach  : 2 Jahren",
                                                 " keine Wiederholung",
                                                 " Freikaufen  : 1500 Denarii",
                                                 " Angreifer   :",
                                                 "  -  4 Kohorte(n) Leichte IInfantrie",
                                                 "  -  3 Kohorte(n) Schwere IInfantrie",
                                                 "  -  2 Kohorte(n) Artillerie",
                                                 "  -  1 Kohorte(n) Belagerungsrammen",
                                                 "",
                                                 "Invasion 2",
                                                 " Griechen,  Überfall",
                                                 " Start nach  : 1 Jahr, 1 Monat",
                                                 "erneut nach : 1 Jahr",
                                                 " Freikaufen nicht möglich",
                                                 " Angreifer   :",
                                                 "  -  3 Kohorte(n) Kavallerie",
                                                 "  -  2 Kohorte(n) Hilfstruppen"}));
  EXPECT_TRUE(view["Invasionen"].rich[1].heading);
  EXPECT_EQ(view["Invasionen"].rich[1].color.red, 128);
  EXPECT_TRUE(view["Invasionen"].scrolledToTop);
  EXPECT_EQ(view.RichTexts("Anforderungen"), (Lines{"",
                                                    "Anforderungen 1",
                                                    " Start nach : 1 Jahr, 3 Monaten",
                                                    " keine Wiederholung",
                                                    " Frist         : 0 Jahr, 6 Monate",
                                                    " 10 Punkte Ansehen",
                                                    " 5 Punkte Ansehensverlust",
                                                    " Angreifer : insgesamt 3 Kohorte(n)",
                                                    "",
                                                    "Anforderungen 2",
                                                    " Start nach : 2 Jahren, 1 Monat",
                                                    " erneut nach: 1 Jahr",
                                                    " Frist         : 0 Jahr, 2 Monate",
                                                    " 0 Punkte Ansehen",
                                                    " kein Ansehensverlust",
                                                    " Angreifer : insgesamt 6 Kohorte(n)",
                                                    "",
                                                    "Anforderungen 3",
                                                    " Start nach : 3 Jahren, 1 Monat",
                                                    " keine Wiederholung",
                                                    " Frist         : 0 Jahr",
                                                    " 15 Punkte Ansehen",
                                                    " 8 Punkte Ansehensverlust",
                                                    " Angreifer : insgesamt 4 Kohorte(n)"}));

  Load("Nova Roma", "nova_roma");
  EXPECT_EQ(view.RichTexts("Invasionen")[2], " Parthianer,  Plünderer");
  EXPECT_EQ(view.RichTexts("Invasionen")[5], " Freikaufen  : 800 Denarii");
  EXPECT_EQ(view.RichTexts("Anforderungen"), (Lines{"", "Keine Anforderungen!"}));
  EXPECT_FALSE(view["Anforderungen"].scrolledToTop);

  Load("Campania Felix", "campania_felix");  // no script
  EXPECT_EQ(view.RichTexts("Invasionen"), (Lines{"", "Keine Invasionen!"}));
  EXPECT_TRUE(view["Invasionen"].rich[1].heading);
}

}  // namespace
}  // namespace lister
