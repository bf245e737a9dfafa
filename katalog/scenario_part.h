// A scenario's data as a part of the catalogue, daten/KEY.js: the scenario's
// object of szenarien.json as a script that hands it to the page, which loads
// it for the scenario's detail view. An unchanged scenario's object is read
// back from its part in a later run instead of being made again.
#pragma once

#include <optional>
#include <string>

namespace katalog {

// The most a data part may hold to be read back.
inline constexpr std::uint64_t kMaxDataPartBytes = 64 * 1024 * 1024;

std::string DataPartPath(const std::string& key);

// katalogSzenario(<the object>);
std::string DataPart(const std::string& scenarioJson);

// The object a data part holds, or nothing when the bytes are no data part.
std::optional<std::string> ScenarioJsonOfPart(const std::string& part);

}  // namespace katalog
