#include "name_tables.h"

namespace {

const uint32_t kWeeksPerMonth = 4;
const uint32_t kWeeksPerYear = 48;

const char* PluralEnding(uint32_t count) { return count == 1 ? "" : "s"; }

}  // namespace

void PrintDuration(ReportWriter* out, uint32_t weeks) {
  if (weeks == 0) {
    Print(out, "(none)");
    return;
  }
  if (weeks >= kWeeksPerYear) {
    uint32_t years = weeks / kWeeksPerYear;
    weeks %= kWeeksPerYear;
    Print(out, years, " year", PluralEnding(years));
    if (weeks == 0) return;
    Print(out, ", ");
  }
  if (weeks >= kWeeksPerMonth) {
    uint32_t months = weeks / kWeeksPerMonth;
    weeks %= kWeeksPerMonth;
    Print(out, months, " month", PluralEnding(months));
    if (weeks == 0) return;
    Print(out, ", ");
  }
  // The game's own wording: "weeks" also for a single week.
  Print(out, weeks, " weeks");
}
