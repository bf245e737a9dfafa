#include "military_page.h"

#include "invasion_script.h"
#include "military_request_script.h"
#include "text_util.h"
#include "texts.h"

namespace lister {

namespace {

constexpr int kWeeksPerYear = 48;
constexpr int kWeeksPerMonth = 4;
// An invasion whose script gives no repeat interval comes back after two years.
constexpr int kDefaultRepeatWeeks = 96;
// Cohorts a request's attacker total counts.
constexpr std::size_t kCountedCohorts = 6;
// Entries a pane shows. The game's scripts set up at most 50 invasions and 21
// requests; a script with hundreds of thousands would keep the window busy
// for minutes, so the pane names how many more there are instead.
constexpr std::size_t kMaxPaneEntries = 100;

// A duration that may be 0, meaning "does not come back".
std::string RepeatText(int weeks, const std::string& prefix, const std::string& pluralMonthWord) {
  return weeks == 0 ? german::kNoRepeat : FormatWeeks(weeks, prefix, pluralMonthWord);
}

void ShowNothing(View& view, const char* pane, const char* heading) {
  view.AppendLine(pane, "");
  view.AppendHeading(pane, heading, kMaroon);
}

// "Das Skript enthält 3 weitere Invasionen." after the last entry shown.
void ShowNotShown(View& view, const char* pane, long long count, const char* one,
                  const char* many) {
  if (count <= 0) return;
  view.AppendLine(pane, "");
  view.AppendLine(pane, count == 1
                            ? german::FillIn(german::kOneMoreNotShown, {one})
                            : german::FillIn(german::kMoreNotShown, {std::to_string(count), many}));
}

std::string PeopleWord(const std::string& code) {
  constexpr int kPeoples = sizeof german::kInvaderPeoples / sizeof german::kInvaderPeoples[0];
  int people = ParseIntOr(code, 0);
  return german::kInvaderPeoples[people >= 0 && people < kPeoples ? people : 0];
}

std::string KindWord(const std::string& code) {
  if (code == "1") return german::kRaid;
  if (code == "2") return german::kSiege;
  if (code == "10") return german::kUnknownInvasionKind;
  return german::kPillagers;
}

std::string RansomText(const std::string& ransom) {
  return Trim(ransom) == "0" ? german::kNoRansom : german::FillIn(german::kRansom, {ransom});
}

struct CohortWord {
  const char* type;
  const char* word;
};
constexpr CohortWord kCohortWords[] = {
    {"Lt", german::kLightInfantry}, {"Hvy", german::kHeavyInfantry},  {"Cav", german::kCavalry},
    {"Aux", german::kAuxiliaries},  {"Catapult", german::kArtillery}, {"Siege", german::kSiegeRams},
};

void AppendInvasion(View& view, const char* pane, const InvasionEntry& invasion) {
  view.AppendLine(pane, "");
  view.AppendHeading(
      pane, german::FillIn(german::kInvasionHeading, {std::to_string(invasion.number + 1)}),
      kMaroon);
  view.AppendLine(pane, PeopleWord(invasion.people) + KindWord(invasion.kind));
  view.AppendLine(pane, FormatWeeks(ParseIntOr(invasion.startDelay, 0), german::kInvasionStart,
                                    german::kMonthsDative));
  view.AppendLine(pane, RepeatText(ParseIntOr(invasion.repeatInterval, kDefaultRepeatWeeks),
                                   german::kInvasionRepeat, german::kMonthsDative));
  view.AppendLine(pane, RansomText(invasion.ransom));
  view.AppendLine(pane, german::kInvasionAttackers);
  for (const CohortWord& cohort : kCohortWords)
    for (const CohortSlot& slot : invasion.cohorts)
      if (slot.type == cohort.type)
        view.AppendLine(pane, german::FillIn(german::kCohortItem, {slot.count, cohort.word}));
}

void AppendMilitaryRequest(View& view, const char* pane, int number,
                           const MilitaryRequestEntry& request) {
  view.AppendLine(pane, "");
  view.AppendHeading(
      pane, german::FillIn(german::kMilitaryRequestHeading, {std::to_string(number)}), kMaroon);
  view.AppendLine(pane, FormatWeeks(ParseIntOr(request.startWeek, 0), german::kRequestStart,
                                    german::kMonthsDative));
  view.AppendLine(pane, RepeatText(ParseIntOr(request.recursionWeek, 0), german::kRequestRepeat,
                                   german::kMonths));
  view.AppendLine(pane, FormatWeeks(ParseIntOr(request.deadline, 0), german::kRequestDeadline,
                                    german::kMonths));
  // The favour texts of the trade requests, indented by the pane's blank.
  view.AppendLine(pane, " " + (request.reward == "Leer"
                                   ? std::string(german::kNoFavorGain)
                                   : german::FillIn(german::kFavorGain, {request.reward})));
  view.AppendLine(pane, " " + (request.penalty == "Leer"
                                   ? std::string(german::kNoFavorLoss)
                                   : german::FillIn(german::kFavorLoss, {request.penalty})));
  long long attackers = 0;
  for (std::size_t c = 0; c < request.cohorts.size() && c < kCountedCohorts; ++c)
    attackers += ParseIntOr(request.cohorts[c].count, 0);
  view.AppendLine(pane, german::FillIn(german::kRequestAttackers, {std::to_string(attackers)}));
}

}  // namespace

std::string FormatWeeks(int weeks, const std::string& prefix, const std::string& pluralMonthWord) {
  int years = weeks / kWeeksPerYear;
  int months = (weeks % kWeeksPerYear) / kWeeksPerMonth;
  std::string text = prefix + std::to_string(years) + (years > 1 ? german::kYears : german::kYear);
  if (months > 0)
    text += ", " + std::to_string(months) + (months > 1 ? pluralMonthWord : german::kMonth);
  return text;
}

void BuildInvasionsPage(View& view, const std::vector<std::string>& scriptLines) {
  const char* pane = "Invasionen";
  view.ClearRichText(pane);
  int count = ParseIntOr(view.GetText("MilitaryInvasionsInfo"), 0);
  if (count <= 0) {
    ShowNothing(view, pane, german::kNoInvasions);
    return;
  }
  Invasions invasions = ReadInvasions(scriptLines, count, kMaxPaneEntries);
  for (const InvasionEntry& invasion : invasions.entries) AppendInvasion(view, pane, invasion);
  ShowNotShown(view, pane, invasions.notRead, german::kInvasionOne, german::kInvasionMany);
  view.ScrollToTop(pane);
}

void BuildMilitaryRequestsPage(View& view, const std::vector<std::string>& scriptLines) {
  const char* pane = "Anforderungen";
  view.ClearRichText(pane);
  int count = ParseIntOr(view.GetText("MilitaryRequestsInfo"), 0);
  if (count <= 0) {
    ShowNothing(view, pane, german::kNoMilitaryRequests);
    return;
  }
  MilitaryRequests requests = ReadMilitaryRequests(scriptLines, count, kMaxPaneEntries);
  for (std::size_t r = 0; r < requests.entries.size(); ++r)
    AppendMilitaryRequest(view, pane, static_cast<int>(r) + 1, requests.entries[r]);
  ShowNotShown(view, pane, requests.notRead, german::kMilitaryRequestOne,
               german::kMilitaryRequestMany);
  view.ScrollToTop(pane);
}

}  // namespace lister
