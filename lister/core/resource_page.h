// The "Ressourcen" page: the goods the player can make on this map, that is
// every own-production good whose building the scenario leaves enabled.
#pragma once

#include <string>
#include <vector>

#include "state.h"
#include "view.h"

namespace lister {

// The English goods whose buildings are not among the report's
// "Disabled buildings:", in the fixed order of the production table.
std::vector<std::string> AvailableResourceGoods(const std::vector<std::string>& reportLines);

// Rebuilds the controls of `PGRessourcen`: a heading, then per good a label
// named bitmap + "Label" and a picture named bitmap + "Image", in two columns.
void BuildResourcePage(View& view, const ScenarioState& state, PageState& pages);

}  // namespace lister
