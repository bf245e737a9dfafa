#include "katalog_start.h"

namespace lister {

// Under Wine every program gets the full token whatever its manifest asks for,
// and there is no shell window. On Windows an elevated lister never starts
// katalog.exe itself, even when the shell is missing: a program of the player
// could end the shell to get katalog.exe, and the browser after it, started
// with administrator rights.
KatalogStart ChooseKatalogStart(const KatalogStartSituation& situation) {
  if (situation.underWine || !situation.elevated) return KatalogStart::Direct;
  return situation.shellWindowRuns ? KatalogStart::ThroughShell : KatalogStart::Refused;
}

}  // namespace lister
