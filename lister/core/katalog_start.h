// How the "Katalog" button starts katalog.exe. The catalogue and the browser
// it opens must run with the signed-in player's own rights, never with the
// lister's administrator rights: the catalogue's folder and the program that
// opens .html files are the player's to change.
#pragma once

namespace lister {

struct KatalogStartSituation {
  bool underWine;        // every program of the prefix runs as the same Linux user
  bool elevated;         // the lister's token is elevated
  bool shellWindowRuns;  // the desktop shell has its window, so its process can be the parent
};

enum class KatalogStart {
  Direct,        // the lister starts it itself: its rights are the player's already
  ThroughShell,  // as a child of the desktop shell's process, which gives it the shell's token
  Refused,       // elevated and no shell: a box tells the player to start katalog.exe by hand
};

KatalogStart ChooseKatalogStart(const KatalogStartSituation& situation);

}  // namespace lister
