#include "name_tables.h"

#include <cstdio>

namespace {

const uint32_t kWeeksPerMonth = 4;
const uint32_t kWeeksPerYear = 48;

const char* PluralEnding(uint32_t count) { return count == 1 ? "" : "s"; }

}  // namespace

void PrintDuration(uint32_t weeks) {
  if (weeks == 0) {
    printf("(none)");
    return;
  }
  if (weeks >= kWeeksPerYear) {
    uint32_t years = weeks / kWeeksPerYear;
    weeks %= kWeeksPerYear;
    printf(weeks == 0 ? "%u year%s" : "%u year%s, ", years, PluralEnding(years));
    if (weeks == 0) return;
  }
  if (weeks >= kWeeksPerMonth) {
    uint32_t months = weeks / kWeeksPerMonth;
    weeks %= kWeeksPerMonth;
    printf(weeks == 0 ? "%u month%s" : "%u month%s, ", months, PluralEnding(months));
    if (weeks == 0) return;
  }
  // The game's own wording: "weeks" also for a single week.
  printf("%u weeks", weeks);
}
