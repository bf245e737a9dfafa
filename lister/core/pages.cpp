#include "pages.h"

#include "city_page.h"
#include "military_page.h"
#include "request_page.h"
#include "resource_page.h"

namespace lister {

void RefreshPages(View& view, const ScenarioState& state, const ScenarioTexts& texts,
                  PageState& pages) {
  FillCityList(view, state, texts);
  view.SelectListItem("CityList", 0);
  RefreshCityPages(view, state, texts, pages);
  BuildInvasionsPage(view, state.scriptLines);
  BuildMilitaryRequestsPage(view, state.scriptLines);
}

void RefreshCityPages(View& view, const ScenarioState& state, const ScenarioTexts& texts,
                      PageState& pages) {
  // The goods need the no-trade flag that the kind sets.
  ShowCityKind(view, state, pages);
  ShowCityGoods(view, state, pages);
  BuildResourcePage(view, state, pages);
  FillRequestList(view, state, pages);
  if (pages.hasRequests) {
    view.SelectListItem("REQList", 0);
    ShowRequest(view, state, texts, pages);
  }
}

}  // namespace lister
