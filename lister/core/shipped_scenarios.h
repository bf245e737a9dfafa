// The scenario files the game ships, by category. The file names are a
// stand-in list kept in this one table so that it can be replaced.
#pragma once

#include <cstddef>
#include <string>

namespace lister {

struct ShippedScenarioCategory {
  const char* category;
  const char* const* fileNames;
  std::size_t fileCount;
};

// The four categories: "Original Szenario", "Königreich Kampagne",
// "Republik Kampagne", "Imperium Kampagne".
extern const ShippedScenarioCategory ShippedScenarios[4];

// The category of a scenario file name (exact case), else "Userszenario".
std::string ScenarioKind(const std::string& fileName);

// True for the five "Königreich Kampagne" files (exact case), which the
// scenario list leaves out.
bool IsLeftOutOfScenarioList(const std::string& fileName);

}  // namespace lister
