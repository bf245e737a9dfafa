#include "translation.h"

#include <gtest/gtest.h>

#include "shipped_scenarios.h"
#include "text_util.h"
#include "xml_texts.h"

namespace lister {
namespace {

TEST(MapSizeText, ReadsOnlyThreeDigitsAfterTheColon) {
  EXPECT_EQ(MapSizeText("Map size: 128"), "kleine Karte");
  EXPECT_EQ(MapSizeText("Map size: 256"), "mittlere Karte");
  EXPECT_EQ(MapSizeText("Map size: 384"), "grosse Karte");
  EXPECT_EQ(MapSizeText("Map size: 512"), "riesige Karte");
  EXPECT_EQ(MapSizeText("Map size: 1024"), "unbekannt");     // read as 102
  EXPECT_EQ(MapSizeText("Map size: 1280"), "kleine Karte");  // read as 128
  EXPECT_EQ(MapSizeText("Map size: 0"), "unbekannt");
  EXPECT_THROW(MapSizeText("Map size: big"), ConversionError);
  EXPECT_THROW(MapSizeText("Map size:"), ConversionError);
}

TEST(RegionText, MatchesTheWholeNameWithCase) {
  EXPECT_EQ(RegionText("Region: Desert"), "Afrika");
  EXPECT_EQ(RegionText("Region: desert"), "unbekannt");
  EXPECT_EQ(RegionText("Region: Southern Europe"), "Südeuropa");
  EXPECT_EQ(RegionText("Region: Asia Minor"), "unbekannt");
  EXPECT_EQ(RegionText("Region:"), "unbekannt");
}

TEST(GoodsText, TranslatesAndKeepsUnknownNames) {
  EXPECT_EQ(GoodsText("Sheep"), "Wolle");
  EXPECT_EQ(GoodsText("Wool"), "Wolle");
  EXPECT_EQ(GoodsText("Gold"), "Gold");
  EXPECT_EQ(GoodsText("Olive Oil"), "Olivenöl");
  EXPECT_EQ(GoodsText("grain"), "grain");
  EXPECT_EQ(GoodsBitmapName("Olive Oil"), "OliveOil");
}

TEST(ScenarioKind, ComparesWholeNamesWithCase) {
  EXPECT_EQ(ScenarioKind("Ostia.scn"), "Original Szenario");
  EXPECT_EQ(ScenarioKind("ostia.scn"), "Userszenario");
  EXPECT_EQ(ScenarioKind("Ostia"), "Userszenario");
  EXPECT_EQ(ScenarioKind("Rex_Veii.scn"), "Königreich Kampagne");
  EXPECT_EQ(ScenarioKind("Carthago Nova.scn"), "Republik Kampagne");
  EXPECT_EQ(ScenarioKind("Leptis Magna.scn"), "Imperium Kampagne");
  EXPECT_EQ(ScenarioKind("Tiberis.scn"), "Userszenario");
}

TEST(ShippedScenarios, HaveTheRowSizesAndBlanksOfTheGame) {
  const std::size_t sizes[] = {5, 5, 14, 14};
  const int namesWithBlank[] = {0, 0, 3, 2};
  std::size_t total = 0;
  for (int row = 0; row < 4; ++row) {
    const ShippedScenarioCategory& category = ShippedScenarios[row];
    ASSERT_EQ(category.fileCount, sizes[row]) << category.category;
    int blanks = 0;
    for (std::size_t i = 0; i < category.fileCount; ++i) {
      const std::string name = category.fileNames[i];
      EXPECT_EQ(name.substr(name.size() - 4), ".scn");
      EXPECT_EQ(ScenarioKind(name), category.category) << name << " is listed twice";
      if (name.find(' ') != std::string::npos) ++blanks;
    }
    EXPECT_EQ(blanks, namesWithBlank[row]) << category.category;
    total += category.fileCount;
  }
  EXPECT_EQ(total, 38u);
}

TEST(ShippedScenarios, OnlyTheKingdomCampaignIsLeftOutOfTheList) {
  const ShippedScenarioCategory& kingdom = ShippedScenarios[1];
  ASSERT_STREQ(kingdom.category, "Königreich Kampagne");
  for (std::size_t i = 0; i < kingdom.fileCount; ++i)
    EXPECT_TRUE(IsLeftOutOfScenarioList(kingdom.fileNames[i]));
  EXPECT_FALSE(IsLeftOutOfScenarioList("rex_veii.scn"));
  EXPECT_FALSE(IsLeftOutOfScenarioList("Ostia.scn"));
  EXPECT_FALSE(IsLeftOutOfScenarioList(""));
}

TEST(ScenarioText, FirstMatchingStringInDocumentOrder) {
  XmlTexts texts;
  ASSERT_TRUE(texts.LoadText(
      "<Texts><Group><String id='FAVOR'>erste</String></Group>"
      "<String id='FAVOR'>zweite</String><String id='CULTURE'>a\\nb &amp; c</String></Texts>"));
  EXPECT_EQ(texts.Lookup("FAVOR"), "erste");
  EXPECT_EQ(texts.Lookup("CULTURE"), "a\\nb & c");
  EXPECT_EQ(texts.Lookup("culture"), "");
  EXPECT_EQ(texts.Lookup("x' or '1'='1"), "");
}

}  // namespace
}  // namespace lister
