// The scenarios of a folder, by the rules of the lister's scenario list: the
// files (not folders) whose names end in ".scn" in any letter case, except
// the five that the game's first campaign keeps to itself.
#pragma once

#include <string>
#include <vector>

namespace katalog {

struct ScenarioListing {
  std::vector<std::string> files;    // bare names, in the byte order of their UTF-8
  std::vector<std::string> skipped;  // "<name>: <reason>" for names that cannot be used
};

// False, and the system's reason, when the folder cannot be read.
bool ListScenarios(const std::string& folder, ScenarioListing& listing, std::string& reason);

}  // namespace katalog
