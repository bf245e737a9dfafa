// The military requests a scenario script makes: each begins with
// "request = new MilitaryRequest()", sets its fields on "requestInfo" and is
// handed over with "request.AddMilitaryRequest".
#pragma once

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

// The first requestCount requests; past the first 21 only as many as the
// script starts.
std::vector<MilitaryRequestEntry> ReadMilitaryRequests(const std::vector<std::string>& scriptLines,
                                                       int requestCount);

}  // namespace lister
