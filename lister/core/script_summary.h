// What the summary shows from the scenario script: military requests,
// invasions, nature events and the wage types in use.
#pragma once

#include <string>
#include <vector>

#include "view.h"

namespace lister {

struct ScriptSummary {
  int militaryRequests = 0;
  int invasions = 0;  // from the last invasion set-up line; 0 when there is none
  int natureEvents = 0;
  bool plebeianWages = false;
  bool equitesWages = false;
};

// Throws ConversionError when an invasion set-up line holds no number
// between its brackets.
ScriptSummary ScanScript(const std::vector<std::string>& scriptLines);

// `MilitaryRequestsInfo`, `MilitaryInvasionsInfo`, `NatureEventsInfo`,
// `WagePlebejerInfo`, `WageEquitesInfo`.
void ShowScriptSummary(View& view, const ScriptSummary& summary);

}  // namespace lister
