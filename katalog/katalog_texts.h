// The catalogue's own German texts: its messages on the command line and in
// the lister's box, and the reasons it gives for files it cannot use. "{}"
// marks where a name or a number goes (lister::german::FillIn).
#pragma once

#include "texts.h"  // the lister's texts and FillIn

namespace katalog::german {

using lister::german::FillIn;
using lister::german::kFileTooLarge;

// Reasons in the "Fehler" box, where the lister shows the system's own words.
inline constexpr char kCannotOpen[] = "Die Datei {} kann nicht geöffnet werden.";
inline constexpr char kCannotRead[] = "Die Datei {} kann nicht gelesen werden.";

// The run.
inline constexpr char kUsage[] = "Aufruf: katalog [SZENARIENORDNER] [-o AUSGABEORDNER] [-j JOBS]";
// What --help prints after the usage line; {} is the most jobs.
inline constexpr char kHelp[] =
    "Schreibt alle Szenarien eines Ordners auf eine Seite, die jeder Browser von der Platte\n"
    "öffnet: mit Suche, Filtern, Sortierung und den Seiten des Listers zu jedem Szenario.\n"
    "\n"
    "  SZENARIENORDNER   der Ordner mit den .scn-Dateien und ihren Begleitdateien; katalog.exe\n"
    "                    nimmt ohne ihn den Szenarienordner des Spiels aus der Registry und\n"
    "                    öffnet die Seite danach im Browser\n"
    "  -o AUSGABEORDNER  wohin der Katalog geht; ohne -o: szenarienkatalog im aktuellen Ordner\n"
    "                    (katalog.exe ohne Szenarienordner: \"Valdorum Szenarienkatalog\" in den\n"
    "                    lokalen Anwendungsdaten). Ein Ordner, der kein Katalog ist, bleibt,\n"
    "                    wie er ist; in einem Katalog bleibt alles, was der Katalog nicht "
    "schrieb.\n"
    "  -j JOBS           wie viele Szenarien zugleich gelesen werden, 1 bis {}; ohne -j einer\n"
    "                    je Prozessor\n"
    "  -h, --help        diese Hilfe\n"
    "\n"
    "Rückgabewert: 0, wenn der Katalog geschrieben ist (beschädigte Szenarien eingeschlossen);\n"
    "1, wenn der Szenarienordner nicht gelesen oder der Katalog nicht geschrieben werden kann;\n"
    "2 bei Argumenten, die katalog nicht kennt.";
inline constexpr char kMissingValue[] = "Der Option {} fehlt ihr Wert.";
inline constexpr char kOptionTwice[] = "Die Option {} ist mehr als einmal angegeben.";
inline constexpr char kJobsRange[] = "-j erwartet eine Zahl von 1 bis {}, nicht \"{}\".";
inline constexpr char kUnknownOption[] = "Unbekannte Option: {}";
inline constexpr char kSecondFolder[] =
    "Es ist nur ein Szenarienordner anzugeben; \"{}\" ist einer zu viel.";
inline constexpr char kNoGameFound[] =
    "Das Spiel wurde nicht gefunden (kein Registryeintrag \"InstallLocation\"); bitte den "
    "Szenarienordner angeben.";
inline constexpr char kOutputNotACatalogue[] =
    "{} ist kein Katalogordner (es fehlt katalog-inhalt.json) und wird nicht verändert.";
inline constexpr char kRecordDamaged[] =
    "{} ist kein Katalogordner, den dieses Programm kennt (katalog-inhalt.json ist beschädigt), "
    "und wird nicht verändert.";
inline constexpr char kOutputNotAFolder[] = "{} ist kein Ordner und wird nicht überschrieben.";
inline constexpr char kOutputIsLink[] =
    "{} ist eine Verknüpfung oder kein gewöhnlicher Ordner und wird nicht verändert.";
inline constexpr char kOutputBusy[] =
    "Der Katalog {} wird gerade von einem anderen Lauf geschrieben.";
inline constexpr char kNotOurs[] =
    "{} ist nicht vom Katalog geschrieben und wird nicht überschrieben; der Katalog bleibt, wie er "
    "war.";
inline constexpr char kForeignKept[] = "Nicht vom Katalog geschrieben, bleibt unberührt: {}";
inline constexpr char kAndMore[] = " und {} weitere";
inline constexpr char kLeftoverKept[] =
    "Der Arbeitsordner {} eines Laufs kann nicht ganz entfernt werden; er bleibt.";
inline constexpr char kObsoleteKept[] =
    "Die alte Datei {} des Katalogs kann nicht entfernt werden; ein späterer Lauf versucht es "
    "wieder.";
inline constexpr char kStopped[] = "Abgebrochen; der Katalog {} bleibt, wie er war.";
inline constexpr char kOutputUnwritable[] = "Der Katalog kann nicht nach {} geschrieben werden.";
inline constexpr char kOutputUnwritableBecause[] =
    "Der Katalog kann nicht nach {} geschrieben werden: {}.";
inline constexpr char kFolderUnreadableBecause[] =
    "Der Szenarienordner {} kann nicht gelesen werden: {}.";
// Why, as the system says it.
inline constexpr char kReasonReadOnly[] = "der Datenträger ist schreibgeschützt";
inline constexpr char kReasonNoPermission[] = "der Zugriff ist nicht erlaubt";
inline constexpr char kReasonDiskFull[] = "der Datenträger ist voll";
inline constexpr char kReasonMissing[] = "der Ordner fehlt";
inline constexpr char kReasonNotAFolder[] = "ein Teil des Pfads ist kein Ordner";
inline constexpr char kReasonIsNoFolder[] = "er ist kein Ordner";
inline constexpr char kReasonTooLarge[] = "eine Datei würde größer, als das System erlaubt";
inline constexpr char kReasonCode[] = "Systemfehler {}";
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
