// The goal kind, its note and the rating texts on the "Ziele" page.
#pragma once

#include <string>

#include "platform.h"
#include "view.h"

namespace lister {

// `ZielInfo` with its colour, `ZielNoteInfo` and the five rating labels.
// Open play shows no ratings; otherwise they come from the scenario's texts.
// scenarioKind is the category of the scenario file ("Userszenario" for
// scenarios the game does not ship).
void ShowGoalTexts(View& view, const ScenarioTexts& texts, bool openPlay,
                   const std::string& scenarioKind);

}  // namespace lister
