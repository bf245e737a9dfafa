#include "military_page.h"

#include <gtest/gtest.h>

#include "recording_view.h"

namespace lister {
namespace {

using Lines = std::vector<std::string>;

TEST(FormatWeeks, YearsAndMonthsOfFortyEightAndFourWeeks) {
  EXPECT_EQ(FormatWeeks(100, " Start nach  : ", " Monaten"), " Start nach  : 2 Jahren, 1 Monat");
  EXPECT_EQ(FormatWeeks(48, "P", " Monaten"), "P1 Jahr");
  EXPECT_EQ(FormatWeeks(47, "P", " Monaten"), "P0 Jahr, 11 Monaten");
  EXPECT_EQ(FormatWeeks(8, "P", " Monate"), "P0 Jahr, 2 Monate");
  EXPECT_EQ(FormatWeeks(3, "P", " Monate"), "P0 Jahr");
}

Lines Invasions(const std::string& count, const Lines& script) {
  RecordingView view;
  view.SetText("MilitaryInvasionsInfo", count);
  BuildInvasionsPage(view, script);
  return view.RichTexts("Invasionen");
}

Lines Requests(const std::string& count, const Lines& script) {
  RecordingView view;
  view.SetText("MilitaryRequestsInfo", count);
  BuildMilitaryRequestsPage(view, script);
  return view.RichTexts("Anforderungen");
}

TEST(InvasionsPage, StatementsOfOneInvasionOnly) {
  Lines page = Invasions(
      "11",
      {
          "mInvasions[1] = new InvasionSetup(ePeople.kGaul, eInvasionType.kPillagers, 90, 8, 1);",
          "mInvasions[1].AddCohort(eCohortType.Cohort_Cav, 2, 0);", "// a gap",
          "mInvasions[1].AddCohort(eCohortType.Cohort_Lt, 4, 0);",
          "mInvasions[1].AddCohort(eCohortType.Cohort_Aux, 1, 0);",
          "mInvasions[1].AddCohort(eCohortType.Cohort_Aux, 1, 0);",
          "mInvasions[1].AddCohort(eCohortType.Cohort_Aux, 1, 0);",
          "mInvasions[1].AddCohort(eCohortType.Cohort_Hvy, 3, 0);",  // the seventh line
          "mInvasions[1].CreateInvasion(1, 2);", "mInvasions[1].CreateInvasion(1, 480);",
          "mInvasions[10] = new InvasionSetup(ePeople.kGreek);",  // no type anywhere after it
      });
  ASSERT_EQ(page.size(), 11u * 7 + 5);
  EXPECT_EQ(Lines(page.begin() + 7, page.begin() + 19),
            (Lines{"", "Invasion 2", " Gallier,  Plünderer", " Start nach  : 0 Jahr, 2 Monaten",
                   "erneut nach : 0 Jahr", " Freikaufen  : 90 Denarii",
                   " Angreifer   :", "  -  4 Kohorte(n) Leichte IInfantrie",
                   "  -  2 Kohorte(n) Kavallerie", "  -  1 Kohorte(n) Hilfstruppen",
                   "  -  1 Kohorte(n) Hilfstruppen", "  -  1 Kohorte(n) Hilfstruppen"}));
  // No statements: every default.
  EXPECT_EQ(Lines(page.begin(), page.begin() + 7),
            (Lines{"", "Invasion 1", " Karthager,  Plünderer", " Start nach  : 0 Jahr",
                   "erneut nach : 2 Jahren", " Freikaufen  : Denarii", " Angreifer   :"}));
  EXPECT_EQ(page[page.size() - 5], " Griechen,  unbekannte Art");
}

TEST(InvasionsPage, NoneCountedAndMoreThanFifty) {
  EXPECT_EQ(Invasions("-*-", {"mInvasions[0] = new InvasionSetup(ePeople.kGreek);"}),
            (Lines{"", "Keine Invasionen!"}));
  Lines page = Invasions("60", {"mInvasions[57] = new InvasionSetup(ePeople.kGreek, "
                                "eInvasionType.kRaid, 0, 4, 1);"});
  ASSERT_EQ(page.size(), 51u * 7);
  EXPECT_EQ(page[50 * 7 + 1], "Invasion 58");
  EXPECT_EQ(page[50 * 7 + 2], " Griechen,  Überfall");
}

TEST(MilitaryRequestsPage, FieldsAndTheFirstSixCohorts) {
  Lines script = {
      "request = new MilitaryRequest();",
      "requestInfo.mRequestID = 0;",
      "requestInfo.mReward = 0;",
      "requestInfo.mPenalty = 0;",
      "request.AddCohort(eCohortType.Cohort_Lt, 2); request.AddCohort(eCohortType.Cohort_Hvy, 3);",
  };
  for (int cohort = 0; cohort < 5; ++cohort) script.push_back("AddCohort(Cohort_Cav, 1);");
  script.push_back("request.AddMilitaryRequest(requestInfo);");
  EXPECT_EQ(Requests("1", script),
            (Lines{"", "Anforderungen 1", " Start nach : 0 Jahr", " keine Wiederholung",
                   " Frist         : 0 Jahr", " 0 Punkte Ansehen", " kein Ansehensverlust",
                   " Angreifer : insgesamt 8 Kohorte(n)"}));  // 2 + 2 (one count per line) + 4 * 1
  EXPECT_EQ(Requests("-*-", script), (Lines{"", "Keine Anforderungen!"}));
}

TEST(MilitaryRequestsPage, RequestsNeverHandedOverReadTheirUnsetMarks) {
  // Cohort and field blocks of a request without its own statements both
  // start from the marks' first value, the script's first line.
  Lines page =
      Requests("3", {
                        "requestInfo.mReward = 4; request.AddCohort(eCohortType.Cohort_Lt, 2);",
                        "request = new MilitaryRequest();",
                        "request.AddMilitaryRequest(requestInfo);",
                        "request = new MilitaryRequest();",
                        "request = new MilitaryRequest();",
                    });
  ASSERT_EQ(page.size(), 3u * 8);
  EXPECT_EQ(page[1 * 8 + 7], " Angreifer : insgesamt 0 Kohorte(n)");
  EXPECT_EQ(page[2 * 8 + 5], " 4 Punkte Ansehen");
  EXPECT_EQ(page[2 * 8 + 7], " Angreifer : insgesamt 2 Kohorte(n)");
}

TEST(MilitaryRequestsPage, MoreThanTwentyOne) {
  Lines script;
  for (int r = 0; r < 23; ++r) {
    script.push_back("request = new MilitaryRequest();");
    script.push_back("requestInfo.mRequestID = " + std::to_string(r) + ";");
    script.push_back("requestInfo.mReward = " + std::to_string(r + 1) + ";");
    script.push_back("request.AddMilitaryRequest(requestInfo);");
  }
  Lines page = Requests("23", script);
  ASSERT_EQ(page.size(), 23u * 8);
  EXPECT_EQ(page[22 * 8 + 1], "Anforderungen 23");
  EXPECT_EQ(page[22 * 8 + 5], " 23 Punkte Ansehen");
}

// Scripts far beyond the game's: each pane shows its first hundred entries
// and then says how many more the script holds.
TEST(MilitaryPanes, AMillionEntriesShowAHundredAndCountTheRest) {
  constexpr int kEntries = 1'000'000;
  Lines script;
  script.reserve(2 * kEntries);
  for (int r = 0; r < kEntries; ++r) {
    script.push_back("request = new MilitaryRequest();");
    script.push_back("request.AddMilitaryRequest(requestInfo);");
  }
  Lines page = Requests(std::to_string(kEntries), script);
  ASSERT_EQ(page.size(), 100u * 8 + 2);
  EXPECT_EQ(page[99 * 8 + 1], "Anforderungen 100");
  EXPECT_EQ(page[100 * 8], "");
  EXPECT_EQ(page.back(), " Das Skript enthält 999900 weitere Anforderungen.");

  script.clear();
  for (int i = 0; i < kEntries; ++i)
    script.push_back("mInvasions[" + std::to_string(i) + "] = new InvasionSetup");
  page = Invasions(std::to_string(kEntries), script);
  ASSERT_EQ(page.size(), 100u * 7 + 2);
  EXPECT_EQ(page[99 * 7 + 1], "Invasion 100");
  EXPECT_EQ(page.back(), " Das Skript enthält 999900 weitere Invasionen.");

  // Past the fiftieth, only invasions with statements count.
  page = Invasions("2000000", {"mInvasions[1999999] = new InvasionSetup"});
  ASSERT_EQ(page.size(), 51u * 7);
  EXPECT_EQ(Requests("101", Lines(101, "request = new MilitaryRequest();")).back(),
            " Das Skript enthält eine weitere Anforderung.");
}

}  // namespace
}  // namespace lister
