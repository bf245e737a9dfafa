// Starting katalog.exe for the "Katalog" button as the signed-in player's
// own, unelevated process: the lister itself does no catalogue work.
#pragma once

#include <windows.h>

#include <string>

#include "unique_handle.h"

namespace lister {

// katalog.exe in the folder of the lister's own program file. Throws
// SystemFailure when the system does not name that file.
std::wstring KatalogBesideLister();

struct KatalogLaunch {
  UniqueHandle process;  // katalog.exe, when it was started
  std::wstring refusal;  // otherwise the box's German text: what went wrong and what to do
};

// Starts the program with a console of its own, in its own folder, without
// arguments: it then finds the game itself, writes the catalogue to the
// player's local application data and opens the page. An elevated lister
// lets the desktop shell's process be its parent, so that it gets the shell's
// token; it never starts it with its own (katalog_start.h).
KatalogLaunch LaunchKatalog(const std::wstring& program);

}  // namespace lister
