#include "resource_page.h"

#include "text_util.h"
#include "texts.h"
#include "translation.h"

namespace lister {

namespace {

struct ProductionRow {
  const char* building;  // upper case, as matched against the report
  const char* good;
};

constexpr ProductionRow kOwnProduction[] = {
    {"TIMBER CUTTING CAMP", "Timber"},
    {"CLAY DIGGING CAMP", "Clay"},
    {"SAND COLLECTING CAMP", "Sand"},
    {"GOLD MINING CAMP", "Gold"},
    {"MARBLE QUARRY CAMP", "Marble"},
    {"IRON MINING CAMP", "Iron"},
    {"UTENSILS FACTORY", "Utensils"},
    {"POTTERY FACTORY", "Pottery"},
    {"WEAPONS FACTORY", "Weapons"},
    {"WINE FACTORY", "Wine"},
    {"ARMOR FACTORY", "Armor"},
    {"FURNITURE FACTORY", "Furniture"},
    {"CLOTHING FACTORY", "Clothing"},
    {"JEWELRY FACTORY", "Jewelry"},
    {"OLIVE OIL FACTORY", "Olive Oil"},
    {"GLASS FACTORY", "Glass"},
    {"OLIVE FARM", "Olives"},
    {"VEGETABLE FARM", "Vegetables"},
    {"SHEEP FARM", "Wool"},
    {"CATTLE FARM", "Meat"},
    {"GRAIN FARM", "Grain"},
    {"GRAPE FARM", "Grapes"},
};

constexpr const char* kPage = "PGRessourcen";
constexpr int kRowsPerColumn = 11;
constexpr int kFirstRowTop = 10;
constexpr int kRowPitch = 33;

struct Column {
  int labelLeft;
  int imageLeft;
};
constexpr Column kColumns[] = {{238, 338}, {395, 497}};

// The building lines between "Disabled buildings:" and the empty line that
// closes the list, in upper case; none when the list is not closed.
std::vector<std::string> DisabledBuildingLines(const std::vector<std::string>& lines,
                                               std::size_t heading) {
  std::vector<std::string> block;
  for (std::size_t i = heading + 1; i < lines.size(); ++i) {
    if (lines[i].empty()) return block;
    block.push_back(UpperAscii(lines[i]));
  }
  return {};
}

bool IsDisabled(const std::vector<std::string>& disabledLines, const char* building) {
  for (const std::string& line : disabledLines)
    if (Contains(line, building)) return true;
  return false;
}

}  // namespace

std::vector<std::string> AvailableResourceGoods(const std::vector<std::string>& reportLines) {
  std::vector<std::string> disabled;
  for (std::size_t i = 0; i < reportLines.size(); ++i) {
    if (reportLines[i] == "Disabled buildings:") {
      disabled = DisabledBuildingLines(reportLines, i);
      break;
    }
  }
  std::vector<std::string> goods;
  for (const ProductionRow& row : kOwnProduction)
    if (!IsDisabled(disabled, row.building)) goods.emplace_back(row.good);
  return goods;
}

void BuildResourcePage(View& view, const ScenarioState& state, PageState& pages) {
  pages.resourceGoods = AvailableResourceGoods(state.reportLines);

  view.RemoveChildren(kPage);
  view.CreateLabel(kPage, "ResourceHeader", german::kResourceHeading, {6, 15, 220, 50},
                   {true, true});
  for (std::size_t entry = 0; entry < pages.resourceGoods.size(); ++entry) {
    const std::string& good = pages.resourceGoods[entry];
    const Column& column = kColumns[entry < kRowsPerColumn ? 0 : 1];
    int top = kFirstRowTop + kRowPitch * static_cast<int>(entry % kRowsPerColumn);
    std::string bitmap = GoodsBitmapName(good);
    view.CreateLabel(kPage, bitmap + "Label", GoodsText(good), {column.labelLeft, top, 100, 32},
                     {true, false});
    view.CreateImage(kPage, bitmap + "Image", bitmap, {column.imageLeft, top, 32, 32});
  }
}

}  // namespace lister
