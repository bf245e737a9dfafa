#include "translation.h"

#include "text_util.h"
#include "texts.h"

namespace lister {

namespace {

struct Translation {
  const char* english;
  const char* german;
};

// clang-format off
constexpr Translation kRegions[] = {
    {"North Africa", "Nordafrika"},   {"Northern Europe", "Nordeuropa"},
    {"Southern Europe", "Südeuropa"}, {"Asia", "Naher Osten"},
    {"Desert", "Afrika"},
};
// clang-format on

constexpr Translation kGoods[] = {
    {"Grain", "Getreide"},    {"Sheep", "Wolle"},        {"Vegetables", "Gemüse"},
    {"Meat", "Fleisch"},      {"Olives", "Oliven"},      {"Grapes", "Trauben"},
    {"Wool", "Wolle"},        {"Timber", "Nutzholz"},    {"Clay", "Ton"},
    {"Iron", "Eisen"},        {"Marble", "Marmor"},      {"Clothing", "Kleidung"},
    {"Glass", "Glaswaren"},   {"Olive Oil", "Olivenöl"}, {"Pottery", "Töpferwaren"},
    {"Furniture", "Möbel"},   {"Jewelry", "Schmuck"},    {"Utensils", "Besteck"},
    {"Wine", "Wein"},         {"Armor", "Rüstungen"},    {"Weapons", "Waffen"},
    {"Amber", "Bernstein"},   {"Cosmetics", "Kosmetik"}, {"Furs", "Pelze"},
    {"Incense", "Weihrauch"}, {"Honey", "Honig"},        {"Ivory", "Elfenbein"},
    {"Perfume", "Parfüm"},    {"Salt", "Salz"},          {"Silk", "Seide"},
    {"Spices", "Gewürze"},    {"Denarii", "Denarii"},    {"Gold", "Gold"},
    {"Papyrus", "Papyrus"},   {"Sand", "Sand"},          {"Silphium", "Silphium"},
};

template <std::size_t N>
const char* Translate(const Translation (&table)[N], const std::string& english) {
  for (const Translation& row : table)
    if (english == row.english) return row.german;
  return nullptr;
}

}  // namespace

int MapSide(const std::string& reportLine) {
  // The blank after "Map size:" and up to three digits: longer sizes are cut.
  const int side = ParseInt(Trim(Copy(reportLine, 10, 4)));
  return side == 128 || side == 256 || side == 384 || side == 512 ? side : 0;
}

std::string MapSizeText(int mapSide) {
  switch (mapSide) {
    case 128: return "kleine Karte";
    case 256: return "mittlere Karte";
    case 384: return "grosse Karte";
    case 512: return "riesige Karte";
    default: return german::kUnknown;
  }
}

std::string RegionText(const std::string& reportLine) {
  const char* region = Translate(kRegions, Trim(Copy(reportLine, 8, 20)));
  return region ? region : german::kUnknown;
}

std::string GoodsText(const std::string& englishName) {
  const char* good = Translate(kGoods, englishName);
  return good ? good : englishName;
}

std::string GoodsBitmapName(const std::string& englishName) {
  std::string name;
  for (char c : englishName)
    if (c != ' ') name += c;
  return name;
}

}  // namespace lister
