// The military requests a scenario script makes: each begins with
// "request = new MilitaryRequest()", sets its fields on "requestInfo" and is
// handed over with "request.AddMilitaryRequest".
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "invasion_script.h"

namespace lister {

// Every field is "Leer" until the script sets it.
struct MilitaryRequestEntry {
  std::string reward = "Leer";
  std::string penalty = "Leer";  // a penalty of "0" stays "Leer"
  std::string startWeek = "Leer";
  std::string recursionWeek = "Leer";
  std::string deadline = "Leer";
  std::vector<CohortSlot> cohorts;  // in the order found, all of them
};

struct MilitaryRequests {
  std::vector<MilitaryRequestEntry> entries;  // at most the number asked for
  long long notRead = 0;                      // the requests after them, counted only
};

// The first requestCount requests; past the first 21 only as many as the
// script starts. At most maxEntries are read.
MilitaryRequests ReadMilitaryRequests(const std::vector<std::string>& scriptLines, int requestCount,
                                      std::size_t maxEntries);

}  // namespace lister
