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

class MilitaryPage : public ::testing::Test {
 protected:
  Lines Invasions(const std::string& count, const Lines& script) {
    view.SetText("MilitaryInvasionsInfo", count);
    BuildInvasionsPage(view, script);
    return view.RichTexts("Invasionen");
  }

  Lines Requests(const std::string& count, const Lines& script) {
    view.SetText("MilitaryRequestsInfo", count);
    BuildMilitaryRequestsPage(view, script);
    return view.RichTexts("Anforderungen");
  }

  RecordingView view;
};

const Lines kInvasionScript = {
    "mInvasions = new InvasionSetup[11];",
    "mInvasions[0] = new InvasionSetup(ePeople.kGreek, eInvasionType.kRaid, 1500, 100, 0);",
    "mInvasions[0].AddCohort(eCohortType.Cohort_Cav, 2, 0);",
    "mInvasions[0].AddCohort(eCohortType.Cohort_Lt, 4, 0);",
    "mInvasions[0].AddCohort(eCohortType.Cohort_Siege, 1, 0);",
    "// reinforcements follow",
    "// in the",
    "// seventh line",
    "mInvasions[0].AddCohort(eCohortType.Cohort_Hvy, 3, 0);",
    "mInvasions[0].CreateInvasion(0, 0);",
    "mInvasions[1] = new InvasionSetup(ePeople.kParthian,",
    "    eInvasionType.kInvasion, 0 , 47, 1);",
    "mInvasions[1].CreateInvasion(1, 2);",
    "mInvasions[1].CreateInvasion(1, 480);",
    "mInvasions[10] = new InvasionSetup(ePeople.kGaul, eInvasionType.kPillagers, 900, 8, 1);",
    "mInvasions[10].AddCohort(eCohortType.Cohort_Catapult, 1, 0);",
};

TEST_F(MilitaryPage, InvasionsFromEveryStatementKind) {
  Lines page = Invasions("11", kInvasionScript);
  ASSERT_GE(page.size(), 27u);
  EXPECT_EQ(Lines(page.begin(), page.begin() + 10),
            (Lines{"", "Invasion 1", " Griechen,  Überfall", " Start nach  : 2 Jahren, 1 Monat",
                   " keine Wiederholung", " Freikaufen  : 1500 Denarii", " Angreifer   :",
                   "  -  4 Kohorte(n) Leichte IInfantrie", "  -  2 Kohorte(n) Kavallerie",
                   "  -  1 Kohorte(n) Belagerungsrammen"}));  // the Hvy line is the seventh
  // Invasion 2: kind and parameters on the line after the set-up; the first
  // launch statement counts. Invasion 11 is not invasion 2's "mInvasions[1".
  EXPECT_EQ(Lines(page.begin() + 10, page.begin() + 17),
            (Lines{"", "Invasion 2", " Parthianer,  Belagerung",
                   " Start nach  : 0 Jahr, 11 Monaten", "erneut nach : 0 Jahr",
                   " Freikaufen nicht möglich", " Angreifer   :"}));
  EXPECT_EQ(Lines(page.end() - 8, page.end()),
            (Lines{"", "Invasion 11", " Gallier,  Plünderer", " Start nach  : 0 Jahr, 2 Monaten",
                   "erneut nach : 2 Jahren", " Freikaufen  : 900 Denarii", " Angreifer   :",
                   "  -  1 Kohorte(n) Artillerie"}));
  EXPECT_TRUE(view["Invasionen"].rich[1].heading);
  EXPECT_EQ(view["Invasionen"].rich[1].color.red, 128);
  EXPECT_TRUE(view["Invasionen"].scrolledToTop);
}

TEST_F(MilitaryPage, InvasionWithoutStatementsShowsTheDefaults) {
  EXPECT_EQ(Invasions("1", {"mInvasions = new InvasionSetup[1];"}),
            (Lines{"", "Invasion 1", " Karthager,  Plünderer", " Start nach  : 0 Jahr",
                   "erneut nach : 2 Jahren", " Freikaufen  : Denarii", " Angreifer   :"}));
  // A set-up that names no invasion type anywhere.
  Lines page = Invasions("1", {"mInvasions[0] = new InvasionSetup(ePeople.kGermanian);"});
  EXPECT_EQ(page[2], " Germanen,  unbekannte Art");
}

TEST_F(MilitaryPage, NoInvasionsNoRequests) {
  EXPECT_EQ(Invasions("-*-", kInvasionScript), (Lines{"", "Keine Invasionen!"}));
  EXPECT_TRUE(view["Invasionen"].rich[1].heading);
  EXPECT_FALSE(view["Invasionen"].scrolledToTop);
  EXPECT_EQ(Requests("-*-", {}), (Lines{"", "Keine Anforderungen!"}));
}

TEST_F(MilitaryPage, ShowsInvasionsPastTheFiftiethThatTheScriptSetsUp) {
  Lines script = {"mInvasions[57] = new InvasionSetup(ePeople.kGreek, eInvasionType.kRaid, 0, "
                  "4, 1);"};
  Lines page = Invasions("60", script);
  EXPECT_EQ(page.size(), 51u * 7);
  EXPECT_EQ(page[50 * 7 + 1], "Invasion 58");
  EXPECT_EQ(page[50 * 7 + 2], " Griechen,  Überfall");
}

const Lines kRequestScript = {
    "request = new MilitaryRequest();",
    "requestInfo.mRequestID = 0;",
    "requestInfo.mReward = 0;",
    "requestInfo.mPenalty = 0;",
    "requestInfo.mStartWeek = 100;",
    "request.AddCohort(eCohortType.Cohort_Lt, 2);",
    "request.AddCohort(eCohortType.Cohort_Hvy, 3);",
    "request.AddCohort(eCohortType.Cohort_Cav, 1);",
    "request.AddCohort(eCohortType.Cohort_Aux, 1);",
    "request.AddCohort(eCohortType.Cohort_Catapult, 1);",
    "request.AddCohort(eCohortType.Cohort_Lt, 1);",
    "request.AddCohort(eCohortType.Cohort_Lt, 5);",
    "request.AddMilitaryRequest(requestInfo);",
    "request = new MilitaryRequest();",
    "requestInfo.mRequestID = 1;",
    "requestInfo.mReward = 12;",
    "requestInfo.mPenalty = 6;",
    "requestInfo.mRecursionWeek = 96;",
    "requestInfo.mDeadline = 8;",
    "request.AddCohort(eCohortType.Cohort_Hvy, 4);",
    "request.AddMilitaryRequest(requestInfo);",
};

TEST_F(MilitaryPage, RequestsWithTheirFieldsAndAttackers) {
  EXPECT_EQ(Requests("2", kRequestScript),
            (Lines{"", "Anforderungen 1", " Start nach : 2 Jahren, 1 Monat",
                   " keine Wiederholung", " Frist         : 0 Jahr", " 0 Punkte Ansehen",
                   " kein Ansehensverlust", " Angreifer : insgesamt 9 Kohorte(n)",
                   "", "Anforderungen 2", " Start nach : 0 Jahr", " erneut nach: 2 Jahren",
                   " Frist         : 0 Jahr, 2 Monate", " 12 Punkte Ansehen",
                   " 6 Punkte Ansehensverlust", " Angreifer : insgesamt 4 Kohorte(n)"}));
  EXPECT_TRUE(view["Anforderungen"].scrolledToTop);
}

TEST_F(MilitaryPage, RequestWithoutFieldsShowsTheDefaults) {
  EXPECT_EQ(Requests("1", {"request = new MilitaryRequest();", "request.AddMilitaryRequest(x);"}),
            (Lines{"", "Anforderungen 1", " Start nach : 0 Jahr", " keine Wiederholung",
                   " Frist         : 0 Jahr", " kein Ansehensgewinn", " kein Ansehensverlust",
                   " Angreifer : insgesamt 0 Kohorte(n)"}));
}

TEST_F(MilitaryPage, ShowsMoreThanTwentyOneRequests) {
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

}  // namespace
}  // namespace lister
