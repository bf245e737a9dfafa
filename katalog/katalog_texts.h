// The catalogue's own German texts: its messages on the command line and in
// the lister's box, and the reasons it gives for files it cannot use. "{}"
// marks where a name or a number goes (lister::german::FillIn).
#pragma once

#include "texts.h"  // the lister's texts and FillIn

namespace katalog::german {

using lister::german::FillIn;

// Reasons in the "Fehler" box, where the lister shows the system's own words.
inline constexpr char kCannotOpen[] = "Die Datei {} kann nicht geöffnet werden.";
inline constexpr char kCannotRead[] = "Die Datei {} kann nicht gelesen werden.";
inline constexpr char kFileTooLarge[] = "Die Datei {} ist größer als {} MB und wird nicht gelesen.";

// The run.
inline constexpr char kUsage[] = "Aufruf: katalog [SZENARIENORDNER] [-o AUSGABEORDNER] [-j JOBS]";
inline constexpr char kFolderUnreadable[] = "Der Szenarienordner {} kann nicht gelesen werden.";
inline constexpr char kNoGameFound[] =
    "Das Spiel wurde nicht gefunden (kein Registryeintrag \"InstallLocation\"); bitte den "
    "Szenarienordner angeben.";
inline constexpr char kOutputNotACatalogue[] =
    "{} ist kein Katalogordner (es fehlt szenarien.json) und wird nicht überschrieben.";
inline constexpr char kOutputNotAFolder[] = "{} ist kein Ordner und wird nicht überschrieben.";
inline constexpr char kOutputUnwritable[] = "Der Katalog kann nicht nach {} geschrieben werden.";
inline constexpr char kOutputNotReplaced[] =
    "Der alte Katalog {} kann nicht ersetzt werden; er bleibt, wie er war.";
inline constexpr char kNameNotUtf8[] = "übersprungen: der Dateiname ist kein gültiges UTF-8";
inline constexpr char kNameTwice[] =
    "übersprungen: der Name kommt mit anderer Schreibung schon vor";
inline constexpr char kProgress[] = "{}/{} Szenarien";
inline constexpr char kSummary[] = "{} Szenarien, davon {} beschädigt, in {} s; {} MB in {}";

// The lister's "Katalog" button.
inline constexpr char kButtonFailed[] = "Der Szenarienkatalog konnte nicht geschrieben werden.";
inline constexpr char kNoUserFolder[] =
    "Windows nennt keinen Ordner für lokale Anwendungsdaten (LOCALAPPDATA).";
inline constexpr char kPageNotOpened[] =
    "Der Szenarienkatalog ist geschrieben, kann aber nicht im Browser geöffnet werden: {}";

}  // namespace katalog::german
