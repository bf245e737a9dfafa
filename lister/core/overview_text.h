// The scenario's overview as the "Text" page shows it.
#pragma once

#include <string>

namespace lister {

// The text file writes line breaks as the two characters backslash and "n"
// (in either case). A doubled marker makes one line break, as does a single
// one; each becomes CR LF.
std::string OverviewText(const std::string& storedText);

}  // namespace lister
