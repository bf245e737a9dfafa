// The invasions a scenario script sets up: who attacks, how, when, at what
// ransom and with which cohorts, read from the script's statements
// "mInvasions[i] = new InvasionSetup", "mInvasions[i].AddCohort" and
// "mInvasions[i].CreateInvasion".
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace lister {

struct CohortSlot {
  std::string type;   // "Lt", "Hvy", "Cav", "Aux", "Catapult", "Siege"
  std::string count;  // as written, blanks kept
};

// The texts as the script gives them; empty when the script does not.
struct InvasionEntry {
  int number = 0;              // i of mInvasions[i]
  std::string people;          // "0" Carthaginians to "4" Parthians
  std::string kind;            // "0" pillagers, "1" raid, "2" invasion, "10" not named
  std::string ransom;          // blanks kept
  std::string startDelay;      // weeks
  std::string repeatInterval;  // weeks
  CohortSlot cohorts[6];       // the first six AddCohort lines in a row
};

struct Invasions {
  std::vector<InvasionEntry> entries;  // at most the number asked for
  long long notRead = 0;               // the invasions after them, counted only
};

// The first invasionCount invasions; past the first 50 only those that the
// script holds statements for. At most maxEntries are read; the cost of the
// rest is one count.
Invasions ReadInvasions(const std::vector<std::string>& scriptLines, int invasionCount,
                        std::size_t maxEntries);

}  // namespace lister
