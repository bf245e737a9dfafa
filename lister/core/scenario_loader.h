// Loading the scenario selected in the scenario list: companion files,
// picture, script, analyzer report and the summary labels.
#pragma once

#include <string>

#include "platform.h"
#include "state.h"
#include "view.h"

namespace lister {

// Loads the entry selected in `SCNFilesList`. scenarioDir is the game's
// scenario folder with its trailing backslash (also the working directory).
// False when a companion file is missing or damaged, a read failed or the
// analyzer reported an error; the user has then been told why.
bool LoadScenario(View& view, Platform& platform, ScenarioTexts& texts, ScenarioState& state,
                  const std::string& scenarioDir);

// Puts the window into its empty state after a failed load, so that nothing
// of an earlier scenario stays visible.
void ClearScenarioView(View& view);

}  // namespace lister
