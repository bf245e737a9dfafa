// katalog.exe started without a scenario folder, as the lister's "Katalog"
// button and a double-click start it: the player watches its console, not a
// command line, and wants to see the page.
#pragma once

#include <string>

namespace katalog {

// After such a run: the written page opens in the default browser. When the
// run failed or the page does not open, and no other program shares the
// console that shows the error (so no one reads it once the console closes
// with this program), a message box carries it too. Returns the run's status.
int FinishStartWithoutFolder(int status, const std::string& page, const std::string& error);

}  // namespace katalog
