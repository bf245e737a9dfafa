// English report words to the German texts the window shows, and the name
// of a good's picture among the program's bitmaps.
#pragma once

#include <string>

namespace lister {

// From the whole report line "Map size: %d": "kleine Karte" ... "riesige Karte",
// else "unbekannt". Throws ConversionError when no number stands there.
std::string MapSizeText(const std::string& reportLine);

// From the whole report line "Region: %s": the German region, else "unbekannt".
std::string RegionText(const std::string& reportLine);

// The German name of a good; a name outside the table is shown as it is.
std::string GoodsText(const std::string& englishName);

// The bitmap resource of a good: its English name without blanks.
std::string GoodsBitmapName(const std::string& englishName);

}  // namespace lister
