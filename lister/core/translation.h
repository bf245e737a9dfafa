// English report words to the German texts the window shows, and the name
// of a good's picture among the program's bitmaps.
#pragma once

#include <string>

namespace lister {

// From the whole report line "Map size: %d": the side of the map the game
// knows, 128, 256, 384 or 512, else 0. Throws ConversionError when no number
// stands there.
int MapSide(const std::string& reportLine);
// "kleine Karte" ... "riesige Karte" for those sides, else "unbekannt".
std::string MapSizeText(int mapSide);
inline std::string MapSizeText(const std::string& reportLine) {
  return MapSizeText(MapSide(reportLine));
}

// From the whole report line "Region: %s": the German region, else "unbekannt".
std::string RegionText(const std::string& reportLine);

// The German name of a good; a name outside the table is shown as it is.
std::string GoodsText(const std::string& englishName);

// The bitmap resource of a good: its English name without blanks.
std::string GoodsBitmapName(const std::string& englishName);

}  // namespace lister
