#include "scenario_list.h"

#include <algorithm>
#include <set>

#include "files.h"
#include "katalog_texts.h"
#include "shipped_scenarios.h"
#include "text_lines.h"
#include "text_util.h"

namespace katalog {
namespace {

// The folder pattern "*.scn" of the lister's listing matches without regard to case.
bool HasScenarioExtension(const std::string& name) {
  return name.size() >= 4 && lister::UpperAscii(name.substr(name.size() - 4)) == ".SCN";
}

}  // namespace

bool ListScenarios(const std::string& folder, ScenarioListing& listing, std::string& reason) {
  listing = ScenarioListing();
  std::vector<FolderEntry> entries;
  if (!ListFolder(folder, entries, reason)) return false;
  for (const FolderEntry& entry : entries) {
    if (entry.directory || !HasScenarioExtension(entry.name) ||
        lister::IsLeftOutOfScenarioList(entry.name))
      continue;
    if (ValidUtf8(entry.name) != entry.name) {
      listing.skipped.push_back(ValidUtf8(entry.name) + ": " + german::kNameNotUtf8);
      continue;
    }
    listing.files.push_back(entry.name);
  }
  std::sort(listing.files.begin(), listing.files.end());

  // On a file system that tells letter cases apart, "Rom.scn" and "Rom.SCN"
  // would share the name by which the page finds a scenario; the first stays.
  std::set<std::string> ids;
  std::vector<std::string> unique;
  for (const std::string& file : listing.files) {
    if (ids.insert(file.substr(0, file.size() - 4)).second)
      unique.push_back(file);
    else
      listing.skipped.push_back(file + ": " + german::kNameTwice);
  }
  listing.files = std::move(unique);
  return true;
}

}  // namespace katalog
