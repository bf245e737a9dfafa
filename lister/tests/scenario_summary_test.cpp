#include <gtest/gtest.h>

#include "goal_texts.h"
#include "overview_text.h"
#include "recording_view.h"
#include "report_summary.h"
#include "script_summary.h"
#include "text_util.h"
#include "xml_texts.h"

namespace lister {
namespace {

TEST(ReportSummary, OneGoalOrOpenPlayMeansOpenPlay) {
  EXPECT_TRUE(ReadReportSummary({"Number of goals: 1"}).openPlay);
  EXPECT_FALSE(ReadReportSummary({"Number of goals: 3"}).openPlay);
  EXPECT_TRUE(ReadReportSummary({"Open play scenario"}).openPlay);
  EXPECT_TRUE(ReadReportSummary({"Number of goals: 1", "Number of goals: 3"}).openPlay);
  EXPECT_TRUE(ReadReportSummary({"Number of goals: 1 of 4"}).openPlay);  // three characters
  EXPECT_THROW(ReadReportSummary({"Number of goals: x"}), ConversionError);
}

TEST(ReportSummary, FirstMatchingLinesGiveSizeRegionAndCities) {
  const ReportSummary summary = ReadReportSummary({
      "Map size: 256",
      "",
      "City 1:",
      "  Region: Desert trade post",
      "Region: Asia",
      "Number of cities: 12",
      "Number of cities: 4",
      "Map size: 512",
  });
  EXPECT_EQ(summary.mapSize, "mittlere Karte");
  EXPECT_EQ(summary.region, "unbekannt");  // the first "Region" line names no region
  EXPECT_EQ(summary.citiesCount, "12");
  EXPECT_EQ(summary.cityCount, 12);
  EXPECT_FALSE(summary.openPlay);

  EXPECT_EQ(ReadReportSummary({"Number of cities: 123"}).cityCount, 12);  // " 12" after the colon
  EXPECT_THROW(ReadReportSummary({"Number of cities:"}), ConversionError);
}

TEST(ReportSummary, MissingLinesGiveTheNotFoundDefaults) {
  const ReportSummary summary = ReadReportSummary({"No Empire Level present", "Start date: 14 AD"});
  EXPECT_EQ(summary.mapSize, "unbekannt");
  EXPECT_EQ(summary.region, "unbekannt");
  EXPECT_EQ(summary.citiesCount, "-*-");
  EXPECT_EQ(summary.cityCount, 0);
}

TEST(ScriptSummary, CountsStatementsAndTakesTheLastInvasionSetup) {
  const std::vector<std::string> script = {
      "  var r = new MilitaryRequest();",
      "  mInvasions = new InvasionSetup[2];",
      "  r = new MilitaryRequest(); // second",
      "  mInvasions = new InvasionSetup[5];",
      "  mNatureEvent = new NatureEvent(eNature.kFlood);",
      "  wage = eWageTypes.kEquestrian;",
  };
  const ScriptSummary summary = ScanScript(script);
  EXPECT_EQ(summary.militaryRequests, 2);
  EXPECT_EQ(summary.invasions, 5);
  EXPECT_EQ(summary.natureEvents, 1);
  EXPECT_FALSE(summary.plebeianWages);
  EXPECT_TRUE(summary.equitesWages);

  RecordingView view;
  ShowScriptSummary(view, summary);
  EXPECT_EQ(view.GetText("MilitaryRequestsInfo"), "2");
  EXPECT_EQ(view.GetText("MilitaryInvasionsInfo"), "5");
  EXPECT_EQ(view.GetText("NatureEventsInfo"), "1");
  EXPECT_EQ(view.GetText("WagePlebejerInfo"), "Nein");
  EXPECT_EQ(view.GetText("WageEquitesInfo"), "Ja");
}

TEST(ScriptSummary, InvasionCountMustBeANumber) {
  EXPECT_EQ(ScanScript({"mInvasions = new InvasionSetup[ 3];"}).invasions, 3);
  EXPECT_THROW(ScanScript({"mInvasions = new InvasionSetup[n];"}), ConversionError);
  EXPECT_THROW(ScanScript({"mInvasions = new InvasionSetup;"}), ConversionError);
}

TEST(OverviewText, DoubledAndSingleMarkersEachMakeOneLineBreak) {
  EXPECT_EQ(OverviewText("Rom\\n\\nKarthago\\nSyrakus"), "Rom\r\nKarthago\r\nSyrakus");
  EXPECT_EQ(OverviewText("a\\N\\nb\\Nc"), "a\r\nb\r\nc");
  EXPECT_EQ(OverviewText("a\\n\\n\\nb"), "a\r\n\r\nb");
  EXPECT_EQ(OverviewText("C:\\new"), "C:\r\new");
}

TEST(GoalTexts, GoalsShowTheScenarioRatings) {
  XmlTexts texts;
  ASSERT_TRUE(
      texts.LoadText("<T><String id='CULTURE'>40</String><String id='SECURITY'>30</String>"
                     "<String id='PROSPERITY'>20</String><String id='FAVOR'>50</String></T>"));
  RecordingView view;
  ShowGoalTexts(view, texts, false, "Original Szenario");
  EXPECT_EQ(view.GetText("ZielInfo"), "Spielziele");
  EXPECT_EQ(view.GetText("ZielNoteInfo"), "keine weiteren Ziele oder Anforderungen");
  EXPECT_EQ(view["ZielInfo"].color.red, 32);
  EXPECT_EQ(view.GetText("CultureInfo"), "40");
  EXPECT_EQ(view.GetText("SecurityInfo"), "30");
  EXPECT_EQ(view.GetText("ProsperityInfo"), "20");
  EXPECT_EQ(view.GetText("FavorInfo"), "50");
  EXPECT_EQ(view.GetText("PopulationInfo"), "");  // missing in the text file

  ShowGoalTexts(view, texts, false, "Userszenario");
  EXPECT_EQ(view.GetText("ZielNoteInfo").rfind("Beachten Sie den Beschreibungstext", 0), 0u);
}

TEST(GoalTexts, OpenPlayShowsNoRatings) {
  XmlTexts texts;
  ASSERT_TRUE(texts.LoadText("<T><String id='CULTURE'>40</String></T>"));
  RecordingView view;
  ShowGoalTexts(view, texts, true, "Original Szenario");
  EXPECT_EQ(view.GetText("ZielInfo"), "offenes Spiel");
  EXPECT_EQ(view["ZielInfo"].color.red, 128);
  EXPECT_EQ(view["ZielInfo"].color.green, 0);
  EXPECT_EQ(view.GetText("ZielNoteInfo").rfind("Beachten Sie den Beschreibungstext", 0), 0u);
  for (const char* label :
       {"CultureInfo", "SecurityInfo", "ProsperityInfo", "FavorInfo", "PopulationInfo"})
    EXPECT_EQ(view.GetText(label), "-*-") << label;
}

}  // namespace
}  // namespace lister
