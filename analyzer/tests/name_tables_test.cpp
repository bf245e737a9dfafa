#include "name_tables.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

void ExpectUniqueIds(const NameEntry* table, int count) {
  std::set<uint32_t> ids;
  for (int i = 0; i < count; ++i) {
    EXPECT_TRUE(ids.insert(table[i].id).second) << table[i].name;
    EXPECT_LT(strlen(table[i].name), sizeof table[i].name);
  }
}

}  // namespace

TEST(NameTables, HoldEveryNameOnceUnderItsId) {
  EXPECT_EQ(GoodsNameCount, 35);
  EXPECT_EQ(RegionNameCount, 5);
  EXPECT_EQ(BuildingNameCount, 118);
  ExpectUniqueIds(GoodsNames, GoodsNameCount);
  ExpectUniqueIds(RegionNames, RegionNameCount);
  ExpectUniqueIds(BuildingNames, BuildingNameCount);
}

TEST(NameTables, FindNamesByIdAndNothingForUnknownIds) {
  EXPECT_STREQ(FindGoodName(2166136261u), "Denarii");
  EXPECT_STREQ(FindGoodName(1044715582u), "Olive Oil");
  EXPECT_EQ(FindGoodName(0), nullptr);
  EXPECT_STREQ(FindRegionName(1987399284u), "North Africa");
  EXPECT_EQ(FindRegionName(1348628182u), nullptr);  // a goods id, not a region
  EXPECT_STREQ(FindBuildingName(3212355018u), "Patrician home unocc.");
  EXPECT_STREQ(FindBuildingName(3109482632u), "Large Tree");
  EXPECT_EQ(FindBuildingName(99), nullptr);
}

TEST(PrintDuration, CountsYearsMonthsAndWeeks) {
  const struct {
    uint32_t weeks;
    const char* text;
  } examples[] = {
      {0, "(none)"},           {1, "1 weeks"},
      {3, "3 weeks"},          {4, "1 month"},
      {6, "1 month, 2 weeks"}, {47, "11 months, 3 weeks"},
      {48, "1 year"},          {53, "1 year, 1 month, 1 weeks"},
      {96, "2 years"},         {100, "2 years, 1 month"},
      {49, "1 year, 1 weeks"}, {0xFFFFFFFFu, "89478485 years, 3 months, 3 weeks"},
  };
  for (const auto& example : examples) {
    std::string text;
    ReportWriter out;
    StartReport(&out, MemoryReportSink(&text));
    PrintDuration(&out, example.weeks);
    FlushReport(&out);
    EXPECT_EQ(text, example.text) << example.weeks;
  }
}
