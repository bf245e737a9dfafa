// Ending a run early, as the player asks: Ctrl-C, SIGTERM, a hang-up, or the
// closed console window on Windows. The handlers only set a flag; the run
// sees it between scenarios, removes its working folder and ends, leaving
// the old catalogue as it was. A request that comes while the new catalogue
// takes the old one's place waits for that to end, which takes a moment.
#pragma once

#include <atomic>

namespace katalog {

// Set by the handlers; what CatalogueOptions::stop points to.
extern std::atomic<bool> gStopRequested;

// Installs the handlers for this process.
void InstallStopHandlers();

// After the run has cleaned up: a run ended by a signal ends the process
// by that signal again, so that its caller sees why; tells a closing
// console that it may go. Returns only when no stop was requested.
void FinishStop();

}  // namespace katalog
