// The catalogue's data as JSON text (szenarien.json, version 2): no blanks
// between tokens, members in their documented order, and strings escaped so
// that the text can stand inside the page's script element.
#pragma once

#include <string>
#include <vector>

#include "catalogue_data.h"

namespace katalog {

inline constexpr int kFormatVersion = 2;

// The text as a JSON string, quotes included. Text that is not valid UTF-8
// has each bad byte replaced by U+FFFD.
void AppendJsonString(std::string& out, const std::string& text);

// One scenario object, with the fields derived from the window's texts.
std::string ScenarioJson(const ScenarioEntry& entry);

// The catalogue object around scenario objects made by ScenarioJson, with the
// captions of the window's pages and headings (control, text).
std::string CatalogueJson(const std::vector<std::pair<std::string, std::string>>& captions,
                          const std::vector<std::string>& scenarios);

// What describes a scenario in a line: the first line of its story that holds
// more than blanks and control characters and is not its title (many stories
// begin with the scenario's name, and a numbered copy keeps the name before
// its number), without them at either end; "" when there is none.
std::string Description(const std::string& story, const std::string& title);

}  // namespace katalog
