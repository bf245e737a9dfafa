// What the catalogue carries of the window, as tables of its controls: each
// value label with the label that names it on the window, and the captions
// of its pages and headings. The data writes every row as its caption and
// text, and the page lays the rows out as they come, so a new field of the
// catalogue is one row here.
#pragma once

#include <cstddef>

namespace katalog {

struct LabelRow {
  const char* value;    // the label that shows the value
  const char* caption;  // the label that names it on the window; nullptr: none
  bool colored;         // its colour is part of it
};

// The "Ziele" and "Karte" pages and the title, in the window's reading order.
inline constexpr LabelRow kScenarioLabels[] = {
    {"SCNName", nullptr, false},
    {"ScnStatusInfo", nullptr, false},
    {"MapLocationInfo", nullptr, false},
    {"ZielInfo", nullptr, true},
    {"MilitaryRequestsInfo", "MilitaryRequestsLabel", false},
    {"MilitaryInvasionsInfo", "MilitaryInvasionsLabel", false},
    {"NatureEventsInfo", "NatureEventsLabel", false},
    {"WagePlebejerInfo", "WagePlebejerLabel", false},
    {"WageEquitesInfo", "WageEquitesLabel", false},
    {"TradeRequestsInfo", "TradeRequestsLabel", false},
    {"CitiesCountInfo", "CitiesCountLabel", false},
    {"CultureInfo", "CultureLabel", false},
    {"SecurityInfo", "SecurityLabel", false},
    {"ProsperityInfo", "ProsperityLabel", false},
    {"FavorInfo", "FavorLabel", false},
    {"PopulationInfo", "PopulationLabel", false},
    {"ZielNoteInfo", nullptr, false},
    {"MapSizeInfo", nullptr, false},
    {"MapLocationInfo2", nullptr, false},
};

// A city of the "Warenhandel" page.
inline constexpr LabelRow kCityLabels[] = {
    {"CityType", "CityTypeLabel", false},
    {"TradeRouteType", "TradeRouteTypeLabel", false},
    {"TradeRouteStatus", "TradeRouteStatusLabel", false},
};

// An order or request of the "Forderungen" page.
inline constexpr LabelRow kRequestLabels[] = {
    {"REQWareCount", nullptr, false},         {"REQWareName", nullptr, false},
    {"REQTime", "REQStartLabel", false},      {"REQComply", "REQComplyLabel", false},
    {"REQRecurs", "REQRecursLabel", false},   {"REQReward", "REQRewardLabel", false},
    {"REQPenalty", "REQPenaltyLabel", false}, {"REQText", "REQShortText", false},
};

// Pages, headings and the names of the goods sides, by their controls.
inline constexpr const char* kCaptionControls[] = {
    "TabZiele",       "TabHandel",      "TabMilitaer",    "TabKarte",
    "TabText",        "TabWarenhandel", "TabForderungen", "PGRessourcen",
    "AllgemeinLabel", "CitySellsLabel", "CityBuyLabel",
};

}  // namespace katalog
