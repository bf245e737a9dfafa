// Finding the game: its uninstall entry names the installation folder.
#pragma once

#include <string>

namespace lister {

// The value "InstallLocation" of the game's uninstall key, exactly as stored,
// or "" when there is no such key or value. The key is opened for reading
// only, so a player without administrator rights finds the game too; the
// 32-bit registry view comes first, because the game's 32-bit installer
// writes its key there on 64-bit Windows. Throws when the value is not a string.
std::wstring ReadInstallLocation();

}  // namespace lister
