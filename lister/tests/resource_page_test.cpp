#include "resource_page.h"

#include <gtest/gtest.h>

#include "recording_view.h"

namespace lister {
namespace {

class ResourcePage : public ::testing::Test {
 protected:
  const std::vector<CreatedControl>& Build(std::vector<std::string> report) {
    state.reportLines = std::move(report);
    BuildResourcePage(view, state, pages);
    return view["PGRessourcen"].children;
  }

  const CreatedControl* Find(const std::string& name) {
    for (const CreatedControl& control : view["PGRessourcen"].children)
      if (control.name == name) return &control;
    return nullptr;
  }

  ScenarioState state;
  RecordingView view;
  PageState pages;
};

TEST_F(ResourcePage, WithoutDisabledBuildingsShowsAllGoodsInTwoColumns) {
  const std::vector<CreatedControl>& controls = Build({"Map size: 256", ""});
  ASSERT_EQ(controls.size(), 1u + 2 * 22);
  EXPECT_EQ(controls[0].name, "ResourceHeader");
  EXPECT_EQ(controls[0].content,
            "Waren aus eigener Produktion und verfügbare Rohstoffe auf der Karte");
  EXPECT_TRUE(controls[0].style.wrapWords);

  const CreatedControl* timber = Find("TimberLabel");
  ASSERT_NE(timber, nullptr);
  EXPECT_EQ(timber->content, "Nutzholz");
  EXPECT_EQ(timber->rect.left, 238);
  EXPECT_EQ(timber->rect.top, 10);
  const CreatedControl* glass = Find("GlassImage");  // row 16: second column, fifth row
  ASSERT_NE(glass, nullptr);
  EXPECT_EQ(glass->content, "Glass");
  EXPECT_EQ(glass->rect.left, 497);
  EXPECT_EQ(glass->rect.top, 10 + 4 * 33);
  EXPECT_EQ(Find("GrapesLabel")->rect.top, 340);
  EXPECT_EQ(Find("GrapesLabel")->rect.left, 395);
  EXPECT_EQ(Find("OliveOilImage")->rect.left, 497);
  EXPECT_EQ(Find("OliveOilImage")->content, "OliveOil");
}

TEST_F(ResourcePage, LeavesOutTheGoodsOfDisabledBuildings) {
  Build({"Disabled buildings:", "  Sheep Farm", "  Olive Oil Factory", "", "Start date: 14 AD"});
  EXPECT_EQ(pages.resourceGoods.size(), 20u);
  EXPECT_EQ(Find("WoolLabel"), nullptr);
  EXPECT_EQ(Find("OliveOilLabel"), nullptr);
  ASSERT_NE(Find("OlivesLabel"), nullptr);  // "OLIVE FARM" is not the oil factory
  EXPECT_EQ(Find("GlassLabel")->rect.top, 10 + 3 * 33);  // moved up by the missing row
  EXPECT_EQ(Find("GrainLabel")->rect.left, 395);
  EXPECT_EQ(Find("GrainLabel")->rect.top, 10 + 7 * 33);
}

TEST_F(ResourcePage, OneRemainingGoodStandsInTheFirstRow) {
  std::vector<std::string> report = {"Disabled buildings:"};
  for (const char* building :
       {"Timber Cutting Camp", "Clay Digging Camp", "Sand Collecting Camp", "Gold Mining Camp",
        "Marble Quarry Camp", "Iron Mining Camp", "Utensils Factory", "Pottery Factory",
        "Weapons Factory", "Wine Factory", "Armor Factory", "Furniture Factory",
        "Clothing Factory", "Jewelry Factory", "Olive Oil Factory", "Glass Factory",
        "Olive Farm", "Vegetable Farm", "Sheep Farm", "Cattle Farm", "Grain Farm"})
    report.push_back(std::string("  ") + building);
  report.push_back("");
  const std::vector<CreatedControl>& controls = Build(report);
  ASSERT_EQ(controls.size(), 3u);
  EXPECT_EQ(controls[1].name, "GrapesLabel");
  EXPECT_EQ(controls[1].rect.top, 10);
  EXPECT_EQ(controls[1].rect.left, 238);
}

TEST_F(ResourcePage, AnUnclosedListDisablesNothingAndRebuildingReplacesTheControls) {
  Build({"Disabled buildings:", "  Sheep Farm"});
  EXPECT_EQ(pages.resourceGoods.size(), 22u);
  Build({"Disabled buildings:", "  Sheep Farm", ""});
  EXPECT_EQ(view["PGRessourcen"].children.size(), 1u + 2 * 21);
}

}  // namespace
}  // namespace lister
