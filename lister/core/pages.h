// The pages filled from a loaded scenario: trade, resources, orders and
// requests, military.
#pragma once

#include "platform.h"
#include "state.h"
#include "view.h"

namespace lister {

// After every successful load: city list (first city selected) and its
// details, resources, orders and requests (first entry shown), military panes.
void RefreshPages(View& view, const ScenarioState& state, const ScenarioTexts& texts,
                  PageState& pages);

// A click on `CityList`: the same without rebuilding the city list, so the
// selected city stays.
void RefreshCityPages(View& view, const ScenarioState& state, const ScenarioTexts& texts,
                      PageState& pages);

// A click on `REQList`: the details of the selected order or request.
void ShowRequest(View& view, const ScenarioState& state, const ScenarioTexts& texts,
                 const PageState& pages);

}  // namespace lister
