#include "name_tables.h"
#include "report.h"
#include "test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace scenario_writer;
using testing::HasSubstr;

namespace {

ScenarioState MinimalState() {
  ScenarioState state;
  state.regionValues = {0, 0};
  return state;
}

std::string ScenarioReport(const ScenarioState& state) {
  return HandlerReport(HandleScenarioChunk, MakeScenarioPayload(state));
}

const uint32_t kAsia = 3015284903u;
const uint32_t kWine = 162559990u;

}  // namespace

TEST(ScenarioReport, PrintsEverySectionInOrderForAnEmptyScenario) {
  ScenarioState state = MinimalState();
  state.hasEmpire = true;
  EXPECT_EQ(ScenarioReport(state),
            "Empire Level\nNumber of cities: 0\n\n"
            "Start date: 0 AD, January\n\n"
            "No orders or requests\n\n");
  state.hasEmpire = false;
  state.timePlayed = 0;
  EXPECT_EQ(ScenarioReport(state),
            "No Empire Level present\n"
            "Time played: (none)\n\n"
            "Start date: 0 AD, January\n\n"
            "No orders or requests\n\n");
}

TEST(ScenarioReport, FindsTheRegionInTheFirstOrTheSecondValue) {
  ScenarioState state = MinimalState();
  state.regionValues = {kAsia};  // the string follows right after a known first value
  EXPECT_THAT(ScenarioReport(state), HasSubstr("Region: Asia\n\nStart date"));
  state.regionValues = {12, kAsia};
  EXPECT_THAT(ScenarioReport(state), HasSubstr("Region: Asia\n\n"));
  state.regionValues = {0, 5};
  EXPECT_EQ(ScenarioReport(state).find("Region"), std::string::npos);
}

TEST(ScenarioReport, PrintsStartDatesInEveryForm) {
  const struct {
    int32_t year;
    uint32_t week;
    const char* line;
  } dates[] = {
      {-300, 0, "Start date: 300 BC, January\n\n"},
      {14, 7, "Start date: 14 AD, February, week 3\n\n"},
      {14, 47, "Start date: 14 AD, December, week 3\n\n"},
      {14, 50, "Start date: 14 AD, week 50\n\n"},
      {14, 0xFFFFFFFFu, "Start date: 14 AD, week -1\n\n"},
      {INT32_MIN, 4, "Start date: 2147483648 BC, February\n\n"},
  };
  for (const auto& date : dates) {
    ScenarioState state = MinimalState();
    state.startYear = date.year;
    state.startWeek = date.week;
    EXPECT_THAT(ScenarioReport(state), HasSubstr(date.line));
  }
}

TEST(ScenarioReport, EndsQuietlyWhenTheResynchronisationSequenceIsMissing) {
  ScenarioState state = MinimalState();
  state.marker = 1;
  state.disabledBuildings = {3902745514u};
  EXPECT_THAT(ScenarioReport(state), HasSubstr("Disabled buildings:\n  Sheep Farm\n\nStart date"));
  state.resyncSequencePresent = false;
  EXPECT_EQ(ScenarioReport(state), "No Empire Level present\n");
}

TEST(EmpireReport, NamesAnUnknownCityTypeWithTheCursorPosition) {
  ScenarioState state = MinimalState();
  state.hasEmpire = true;
  City stranger{};
  stranger.name = "Vicus";
  stranger.type = 0xFFFFFFFFu;
  City home = stranger;
  home.type = 2;
  state.cities = {stranger, home};
  // The type field of the first city ends 93 bytes into this payload.
  EXPECT_THAT(ScenarioReport(state),
              HasSubstr("City 0:\n  Unknown city type: -1 (ptr = 5d)\nCity 1:\n  Home city\n\n"));
}

TEST(EmpireReport, ListsAnEnemySitesGoodsWithoutHeadings) {
  ScenarioState state = MinimalState();
  state.hasEmpire = true;
  City enemy{};
  enemy.type = 3;
  enemy.routeKind = 2;
  enemy.sells = {{kWine, 5}};
  enemy.buys = {{2166136261u, 300}, {42, 0xFFFFFFFFu}};
  state.cities = {enemy};
  EXPECT_THAT(ScenarioReport(state),
              HasSubstr("City 0:\n  Enemy site\n  Active: no\n  Visible: no\n"
                        "    5 Wine\n    300 Denarii\n    -1 (unknown)\n\n"));
}

TEST(GoalsReport, ReadsTheWholeRecordOfEveryKind) {
  EXPECT_EQ(HandlerReport(HandleGoalsChunk, MakeGoalsPayload({})), "Open play scenario\n");
  std::vector<Goal> goals = {
      {0xFFFFFFFFu, 1, 2, 3, 2, 4},
      {0, 0, 0, 0xFFFFFFF6u, 3, 9},
      {4, 0, 9, 40, 1, 0},
  };
  EXPECT_EQ(HandlerReport(HandleGoalsChunk, MakeGoalsPayload(goals)),
            "Number of goals: 3\n"
            "Goal 1:\n  Condition: victory(AND)\n  Goal category not implemented (-1)\n"
            "Goal 2:\n  Condition: (unknown)\n  < -10 (unknown) in storage\n"
            "Goal 3:\n  Condition: defeat\n  (unused) (unknown) 40\n");
}

TEST(OrdersReport, ShowsRewardAndPenaltyAsTheKindOfDemandRequires) {
  ScenarioState state = MinimalState();
  state.demands = {
      {true, 10, 24, 0, 5, 0, kWine, 100},
      {false, 0, 1, 48, 0, 0, kWine, 2},
      {true, 4, 4, 4, 0, 0xFFFFFFFFu, 7, 1},
  };
  EXPECT_THAT(ScenarioReport(state), HasSubstr("Number of orders and requests: 3\n"
                                               "0: Request for 100 Wine\n"
                                               "  Time of request : 2 months, 2 weeks\n"
                                               "  Time to comply  : 6 months\n"
                                               "  Favor reward    : 5\n"
                                               "1: Order for 2 Wine\n"
                                               "  Time of order   : (none)\n"
                                               "  Time to comply  : 1 weeks\n"
                                               "  Recurs every    : 1 year\n"
                                               "  Favor penalty   : 0\n"
                                               "2: Request for 1 (unknown)\n"
                                               "  Time of request : 1 month\n"
                                               "  Time to comply  : 1 month\n"
                                               "  Recurs every    : 1 month\n"
                                               "  Favor reward    : 0\n"
                                               "  Favor penalty   : -1\n\n"));
}

TEST(OrdersReport, AnEntryCutShortPrintsNothingOfItself) {
  ScenarioState state = MinimalState();
  state.demands = {{false, 4, 8, 0, 0, 2, kWine, 100}, {true, 4, 8, 0, 1, 0, kWine, 7}};
  Bytes payload = MakeScenarioPayload(state);
  // The second entry's amount stands 58 bytes before the end: 16 bytes follow
  // the list, 38 the amount. The cut leaves the string before it whole.
  size_t amountAt = payload.size() - 58;
  payload.resize(payload.size() - 60);
  EXPECT_THAT(HandlerReport(HandleScenarioChunk, payload),
              testing::EndsWith("Number of orders and requests: 2\n"
                                "0: Order for 100 Wine\n"
                                "  Time of order   : 1 month\n"
                                "  Time to comply  : 2 months\n"
                                "  Favor penalty   : 2\n"
                                "Error: Attempting to read past end of file (" +
                                std::to_string(amountAt) + ")\n"));
}
