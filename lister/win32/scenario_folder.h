// Preparing the game's scenario folder at start-up and listing its scenarios.
#pragma once

#include <string>
#include <vector>

#include "unique_handle.h"

namespace lister {

// Sets every file of the folder (folder ends in a backslash) to normal
// attributes, clearing read-only, hidden and system marks; failures are ignored.
void ClearFileAttributes(const std::wstring& folder);

// Writes the analyzer that the program carries (resource "ANA") to path,
// replacing any earlier file, byte for byte, and returns it opened so that
// nobody can change it while the handle is held: the lister runs elevated and
// starts this file on every load. Throws when that fails, or when the file
// does not hold the carried bytes once it is held.
UniqueHandle ExtractAnalyzer(const std::wstring& path);

// The bare names of the folder's ".scn" files in the file system's order,
// without directories and without the files the list leaves out.
std::vector<std::wstring> ListScenarioFiles(const std::wstring& folder);

}  // namespace lister
