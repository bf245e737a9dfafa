// The pages of the sample game installation's scenarios, from the reports
// the analyzer prints for them and their own texts and scripts.
#include <gtest/gtest.h>

#include <fstream>

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
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

class SamplePages : public ::testing::Test {
 protected:
  void Load(const std::string& base, const std::string& goldenName) {
    const std::string scenarios = std::string(VALDORUM_SOURCE_DIR) + "/samples/Data/Scenarios/";
    state.reportLines =
        ReadLines(std::string(VALDORUM_SOURCE_DIR) + "/analyzer/tests/golden/" + goldenName + ".out");
    ASSERT_FALSE(state.reportLines.empty());
    state.reportLines.erase(state.reportLines.begin());  // "Information for file: ..."
    state.scriptLines = ReadLines(scenarios + base + ".cs");
    ASSERT_TRUE(texts.Load(scenarios + base + ".xml"));
    for (const std::string& line : state.reportLines)
      if (line.rfind("Number of cities: ", 0) == 0) state.cityCount = std::stoi(line.substr(18));
    ShowScriptSummary(view, ScanScript(state.scriptLines));
    RefreshPages(view, state, texts, pages);
  }

  // Every city and every order or request has its text.
  void ExpectAllTextsPresent() {
    ASSERT_EQ(view["CityList"].items.size(), static_cast<std::size_t>(state.cityCount));
    for (const std::string& name : view["CityList"].items) EXPECT_FALSE(name.empty());
    for (int entry = 0; entry < pages.requestCount; ++entry)
      EXPECT_FALSE(texts.Lookup("REQUEST_" + std::to_string(entry) + "_BODY").empty()) << entry;
    for (const char* id : {"OVERVIEW", "CULTURE", "SECURITY", "PROSPERITY", "FAVOR", "POPULATION"})
      EXPECT_FALSE(texts.Lookup(id).empty()) << id;
  }

  ScenarioState state;
  XmlTexts texts;
  RecordingView view;
  PageState pages;
};

TEST_F(SamplePages, Tiberis) {
  Load("Tiberis", "tiberis");
  ExpectAllTextsPresent();
  EXPECT_EQ(pages.requestCount, 12);
  EXPECT_EQ(pages.resourceGoods.size(), 20u);
  EXPECT_EQ(view.RichTexts("Invasionen"),
            (Lines{"", "Invasion 1", " Karthager,  Belagerung", " Start nach  : 2 Jahren",
                   " keine Wiederholung", " Freikaufen  : 1500 Denarii", " Angreifer   :",
                   "  -  4 Kohorte(n) Leichte IInfantrie", "  -  3 Kohorte(n) Schwere IInfantrie",
                   "  -  2 Kohorte(n) Artillerie", "  -  1 Kohorte(n) Belagerungsrammen", "",
                   "Invasion 2", " Griechen,  Überfall", " Start nach  : 1 Jahr, 1 Monat",
                   "erneut nach : 1 Jahr", " Freikaufen nicht möglich", " Angreifer   :",
                   "  -  3 Kohorte(n) Kavallerie", "  -  2 Kohorte(n) Hilfstruppen"}));
  EXPECT_EQ(view.RichTexts("Anforderungen"),
            (Lines{"", "Anforderungen 1", " Start nach : 1 Jahr, 3 Monaten",
                   " keine Wiederholung", " Frist         : 0 Jahr, 6 Monate",
                   " 10 Punkte Ansehen", " 5 Punkte Ansehensverlust",
                   " Angreifer : insgesamt 3 Kohorte(n)", "", "Anforderungen 2",
                   " Start nach : 2 Jahren, 1 Monat", " erneut nach: 1 Jahr",
                   " Frist         : 0 Jahr, 2 Monate", " 0 Punkte Ansehen",
                   " kein Ansehensverlust", " Angreifer : insgesamt 6 Kohorte(n)", "",
                   "Anforderungen 3", " Start nach : 3 Jahren, 1 Monat", " keine Wiederholung",
                   " Frist         : 0 Jahr", " 15 Punkte Ansehen", " 8 Punkte Ansehensverlust",
                   " Angreifer : insgesamt 4 Kohorte(n)"}));
}

TEST_F(SamplePages, OtherSamples) {
  Load("Legatus", "legatus");
  ExpectAllTextsPresent();
  EXPECT_EQ(view.RichTexts("Invasionen"), (Lines{"", "Keine Invasionen!"}));
  EXPECT_EQ(view.RichTexts("Anforderungen").size(), 16u);
  EXPECT_EQ(view.GetText("REQWareName"), "Rüstungen");

  view = RecordingView();
  Load("Nova Roma", "nova_roma");
  ExpectAllTextsPresent();
  EXPECT_EQ(view.RichTexts("Invasionen")[2], " Parthianer,  Plünderer");
  EXPECT_EQ(view.RichTexts("Invasionen")[5], " Freikaufen  : 800 Denarii");
  EXPECT_EQ(view.RichTexts("Anforderungen"), (Lines{"", "Keine Anforderungen!"}));

  view = RecordingView();
  Load("Campania Felix", "campania_felix");  // open play without a script
  ExpectAllTextsPresent();
  EXPECT_FALSE(view["REQPanel"].visible);
  EXPECT_EQ(view.GetText("SellWare1Name"), "");  // the home city
  EXPECT_EQ(view.RichTexts("Invasionen"), (Lines{"", "Keine Invasionen!"}));
}

}  // namespace
}  // namespace lister
