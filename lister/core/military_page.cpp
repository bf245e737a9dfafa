#include "military_page.h"

#include "invasion_script.h"
#include "military_request_script.h"
#include "text_util.h"

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
  return weeks == 0 ? " keine Wiederholung" : FormatWeeks(weeks, prefix, pluralMonthWord);
}

void ShowNothing(View& view, const char* pane, const char* heading) {
  view.AppendLine(pane, "");
  view.AppendHeading(pane, heading, kMaroon);
}

// "Das Skript enthält 3 weitere Invasionen." after the last entry shown.
void ShowNotShown(View& view, const char* pane, long long count, const std::string& one,
                  const std::string& many) {
  if (count <= 0) return;
  view.AppendLine(pane, "");
  view.AppendLine(
      pane, count == 1 ? " Das Skript enthält eine weitere " + one + "."
                       : " Das Skript enthält " + std::to_string(count) + " weitere " + many + ".");
}

std::string PeopleWord(const std::string& code) {
  static constexpr const char* kPeoples[] = {" Karthager, ", " Griechen, ", " Germanen, ",
                                             " Gallier, ", " Parthianer, "};
  int people = ParseIntOr(code, 0);
  return (people >= 0 && people < 5) ? kPeoples[people] : kPeoples[0];
}

std::string KindWord(const std::string& code) {
  if (code == "1") return " Überfall";
  if (code == "2") return " Belagerung";
  if (code == "10") return " unbekannte Art";
  return " Plünderer";
}

std::string RansomText(const std::string& ransom) {
  return Trim(ransom) == "0" ? " Freikaufen nicht möglich" : " Freikaufen  :" + ransom + " Denarii";
}

struct CohortWord {
  const char* type;
  const char* word;
};
constexpr CohortWord kCohortWords[] = {
    {"Lt", " Kohorte(n) Leichte IInfantrie"}, {"Hvy", " Kohorte(n) Schwere IInfantrie"},
    {"Cav", " Kohorte(n) Kavallerie"},        {"Aux", " Kohorte(n) Hilfstruppen"},
    {"Catapult", " Kohorte(n) Artillerie"},   {"Siege", " Kohorte(n) Belagerungsrammen"},
};

void AppendInvasion(View& view, const char* pane, const InvasionEntry& invasion) {
  view.AppendLine(pane, "");
  view.AppendHeading(pane, "Invasion " + std::to_string(invasion.number + 1), kMaroon);
  view.AppendLine(pane, PeopleWord(invasion.people) + KindWord(invasion.kind));
  view.AppendLine(pane,
                  FormatWeeks(ParseIntOr(invasion.startDelay, 0), " Start nach  : ", " Monaten"));
  view.AppendLine(pane, RepeatText(ParseIntOr(invasion.repeatInterval, kDefaultRepeatWeeks),
                                   "erneut nach : ", " Monaten"));
  view.AppendLine(pane, RansomText(invasion.ransom));
  view.AppendLine(pane, " Angreifer   :");
  for (const CohortWord& cohort : kCohortWords)
    for (const CohortSlot& slot : invasion.cohorts)
      if (slot.type == cohort.type) view.AppendLine(pane, "  - " + slot.count + cohort.word);
}

void AppendMilitaryRequest(View& view, const char* pane, int number,
                           const MilitaryRequestEntry& request) {
  view.AppendLine(pane, "");
  view.AppendHeading(pane, "Anforderungen " + std::to_string(number), kMaroon);
  view.AppendLine(pane,
                  FormatWeeks(ParseIntOr(request.startWeek, 0), " Start nach : ", " Monaten"));
  view.AppendLine(pane,
                  RepeatText(ParseIntOr(request.recursionWeek, 0), " erneut nach: ", " Monate"));
  view.AppendLine(pane,
                  FormatWeeks(ParseIntOr(request.deadline, 0), " Frist         : ", " Monate"));
  view.AppendLine(pane, request.reward == "Leer" ? " kein Ansehensgewinn"
                                                 : " " + request.reward + " Punkte Ansehen");
  view.AppendLine(pane, request.penalty == "Leer"
                            ? " kein Ansehensverlust"
                            : " " + request.penalty + " Punkte Ansehensverlust");
  long long attackers = 0;
  for (std::size_t c = 0; c < request.cohorts.size() && c < kCountedCohorts; ++c)
    attackers += ParseIntOr(request.cohorts[c].count, 0);
  view.AppendLine(pane, " Angreifer : insgesamt " + std::to_string(attackers) + " Kohorte(n)");
}

}  // namespace

std::string FormatWeeks(int weeks, const std::string& prefix, const std::string& pluralMonthWord) {
  int years = weeks / kWeeksPerYear;
  int months = (weeks % kWeeksPerYear) / kWeeksPerMonth;
  std::string text = prefix + std::to_string(years) + (years > 1 ? " Jahren" : " Jahr");
  if (months > 0) text += ", " + std::to_string(months) + (months > 1 ? pluralMonthWord : " Monat");
  return text;
}

void BuildInvasionsPage(View& view, const std::vector<std::string>& scriptLines) {
  const char* pane = "Invasionen";
  view.ClearRichText(pane);
  int count = ParseIntOr(view.GetText("MilitaryInvasionsInfo"), 0);
  if (count <= 0) {
    ShowNothing(view, pane, "Keine Invasionen!");
    return;
  }
  Invasions invasions = ReadInvasions(scriptLines, count, kMaxPaneEntries);
  for (const InvasionEntry& invasion : invasions.entries) AppendInvasion(view, pane, invasion);
  ShowNotShown(view, pane, invasions.notRead, "Invasion", "Invasionen");
  view.ScrollToTop(pane);
}

void BuildMilitaryRequestsPage(View& view, const std::vector<std::string>& scriptLines) {
  const char* pane = "Anforderungen";
  view.ClearRichText(pane);
  int count = ParseIntOr(view.GetText("MilitaryRequestsInfo"), 0);
  if (count <= 0) {
    ShowNothing(view, pane, "Keine Anforderungen!");
    return;
  }
  MilitaryRequests requests = ReadMilitaryRequests(scriptLines, count, kMaxPaneEntries);
  for (std::size_t r = 0; r < requests.entries.size(); ++r)
    AppendMilitaryRequest(view, pane, static_cast<int>(r) + 1, requests.entries[r]);
  ShowNotShown(view, pane, requests.notRead, "Anforderung", "Anforderungen");
  view.ScrollToTop(pane);
}

}  // namespace lister
