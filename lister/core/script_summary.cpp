#include "script_summary.h"

#include "text_util.h"
#include "texts.h"

namespace lister {

namespace {

// The characters strictly between the line's first "[" and its first "]".
int BracketedCount(const std::string& line) {
  const int open = Pos("[", line);
  const int close = Pos("]", line);
  return ParseInt(Copy(line, open + 1, close - open - 1));
}

std::string CountOrNone(int count) { return count < 1 ? german::kAbsent : std::to_string(count); }

std::string YesNo(bool value) { return value ? german::kYes : german::kNo; }

}  // namespace

ScriptSummary ScanScript(const std::vector<std::string>& scriptLines) {
  ScriptSummary summary;
  for (const std::string& line : scriptLines) {
    if (Contains(line, "new MilitaryRequest()")) ++summary.militaryRequests;
    if (Contains(line, "mInvasions = new InvasionSetup")) summary.invasions = BracketedCount(line);
    if (Contains(line, "mNatureEvent = new NatureEvent")) ++summary.natureEvents;
    if (Contains(line, "eWageTypes.kPleb")) summary.plebeianWages = true;
    if (Contains(line, "eWageTypes.kEques")) summary.equitesWages = true;
  }
  return summary;
}

void ShowScriptSummary(View& view, const ScriptSummary& summary) {
  view.SetText("MilitaryRequestsInfo", CountOrNone(summary.militaryRequests));
  view.SetText("MilitaryInvasionsInfo", CountOrNone(summary.invasions));
  view.SetText("NatureEventsInfo", CountOrNone(summary.natureEvents));
  view.SetText("WagePlebejerInfo", YesNo(summary.plebeianWages));
  view.SetText("WageEquitesInfo", YesNo(summary.equitesWages));
}

}  // namespace lister
