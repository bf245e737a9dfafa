// Where the catalogue goes on Windows when no folder is named: the user's
// local application data, which needs no administrator rights.
#pragma once

#include <string>

namespace katalog {

// "%LOCALAPPDATA%\Valdorum Szenarienkatalog" in UTF-8; "" when the system
// names no local application data folder.
std::string UserCatalogueFolder();

}  // namespace katalog
