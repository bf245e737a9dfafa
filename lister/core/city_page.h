// The "Warenhandel" page: the cities of the empire, and for the selected
// city its kind, trade route and the goods it sells and buys.
#pragma once

#include <string>
#include <vector>

#include "platform.h"
#include "state.h"
#include "view.h"

namespace lister {

// Every header "City <n>:" in the report, in one pass: for each city number n
// the lines that contain "City " + n + ":" (n in decimal without leading
// zeros), each line once per number, sorted by city and then line.
std::vector<CityHeaderLine> IndexCityHeaders(const std::vector<std::string>& reportLines);

// One `CityList` entry per "City k:" header of the report, named by the
// scenario text "SITE_k_FULLNAME".
void FillCityList(View& view, const ScenarioState& state, const ScenarioTexts& texts);

// `CityType`, `TradeRouteType` and `TradeRouteStatus` of the selected city;
// sets pages.cityHasNoTrade for the home city and enemy sites.
void ShowCityKind(View& view, const ScenarioState& state, PageState& pages);

// The three sold and three bought goods slots of the selected city; empty
// for a city without trade. Runs after ShowCityKind.
void ShowCityGoods(View& view, const ScenarioState& state, const PageState& pages);

}  // namespace lister
