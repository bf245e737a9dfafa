// The "Militär" tab: the invasions and the military requests of the
// scenario script, in the rich-text panes `Invasionen` and `Anforderungen`.
#pragma once

#include <string>
#include <vector>

#include "view.h"

namespace lister {

// A count of game weeks as years and months (48 and 4 weeks):
// prefix + "2 Jahren, 1 Monat"; pluralMonthWord is " Monaten" or " Monate".
std::string FormatWeeks(int weeks, const std::string& prefix, const std::string& pluralMonthWord);

// The invasions, as many as `MilitaryInvasionsInfo` counts.
void BuildInvasionsPage(View& view, const std::vector<std::string>& scriptLines);

// The military requests, as many as `MilitaryRequestsInfo` counts.
void BuildMilitaryRequestsPage(View& view, const std::vector<std::string>& scriptLines);

}  // namespace lister
