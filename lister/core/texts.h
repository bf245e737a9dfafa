// Every fixed German text that the lister shows the player, in its message
// boxes, labels and panes, byte for byte as the player sees it, grouped by
// box and page. "{}" marks where a name or a number goes (FillIn). Kept
// elsewhere: the translation tables of report words (with their lookups),
// the names of the game's own scenarios, and the texts that controls carry
// from the window's design (the layout tables, the about box among them).
#pragma once

#include <initializer_list>
#include <string>

namespace lister::german {

// Titles of the message boxes.
inline constexpr char kFileErrorTitle[] = "Dateifehler";  // missing or damaged files
inline constexpr char kSystemErrorTitle[] = "Fehler";     // the system's reason
inline constexpr char kStartErrorTitle[] = "Systemfehler";
// The program's name, the title of the box that shows any other error.
inline constexpr char kApplicationTitle[] = "Z7 Uzeror 3";

// Start-up.
inline constexpr char kNoGameInstalled[] =
    "Es konnte kein gültiger Registryeintrag des Spiels <Valdorum> gefunden werden!";
inline constexpr char kNoScenarios[] = "Keine Szenarien gefunden";

// The companion files of a scenario and the analyzer's run.
inline constexpr char kScenarioFileMissing[] =
    "Es konnte keine Szenariodatei gefunden werden!({}). Das Szenario ist so nicht lauffähig!";
inline constexpr char kPictureFileMissing[] =
    "Es konnte keine Bilddatei gefunden werden!({}). Das Szenario ist so nicht einwandfrei "
    "lauffähig!";
// Two blanks between "einwandfrei" and "lauffähig", unlike the picture's
// message: players know the box by exactly this text.
inline constexpr char kTextFileMissing[] =
    "Es konnte keine Textdatei gefunden werden!({}). Das Szenario ist so nicht einwandfrei  "
    "lauffähig!";
inline constexpr char kScenarioDamaged[] =
    "Die Szenariodatei ist beschädigt!({}). Der Lesevorgang wird abgebrochen!";
inline constexpr char kAnalyzerNotStarted[] =
    "Das Programm analyzer.exe konnte nicht gestartet werden: {}";
inline constexpr char kNotANumber[] = "'{}' ist kein gültiger Ganzzahlwert";

// The scenario picture.
inline constexpr char kPictureHeaderCut[] =
    "Die Bilddatei ist zu kurz für den Kopf eines DDS-Bildes ({} Bytes).";
inline constexpr char kPictureNotDxt1[] =
    "Die Bilddatei ist nicht DXT1-komprimiert (Format \"{}\").";
inline constexpr char kPictureTooLarge[] =
    "Die Bildgröße {} x {} ist unzulässig (höchstens {} x {}).";
inline constexpr char kPictureBlockDataCut[] =
    "Die Bilddatei endet vor dem Ende der Bilddaten ({} Bytes erwartet, {} vorhanden).";
inline constexpr char kPictureNoMemory[] = "Für das Bild ({} x {}) ist nicht genug Speicher frei.";

// Labels.
inline constexpr char kScenarioCaption[] = "Szenario: {}";
inline constexpr char kAbsent[] = "-*-";  // a value that is absent or does not apply
inline constexpr char kYes[] = "Ja";
inline constexpr char kNo[] = "Nein";
inline constexpr char kUnknown[] = "unbekannt";
inline constexpr char kUserScenario[] = "Userszenario";  // a scenario the game does not ship
inline constexpr char kGoalsDesignText[] = "Szenarioziele";
inline constexpr char kGameGoals[] = "Spielziele";
inline constexpr char kOpenPlay[] = "offenes Spiel";
inline constexpr char kNoFurtherGoals[] = "keine weiteren Ziele oder Anforderungen";
inline constexpr char kUserScenarioNote[] =
    "Beachten Sie den Beschreibungstext des Szenarios hinsichtlich eventuell geforderter "
    "Gebäude, besonderen Kreditbegrenzungen, Zeitlimits und anderen Anweisungen";
inline constexpr char kRequestItem[] = "Forderung {}";
inline constexpr char kFavorGain[] = "{} Punkte Ansehen";
inline constexpr char kNoFavorGain[] = "kein Ansehensgewinn";
inline constexpr char kFavorLoss[] = "{} Punkte Ansehensverlust";
inline constexpr char kNoFavorLoss[] = "kein Ansehensverlust";
inline constexpr char kResourceHeading[] =
    "Waren aus eigener Produktion und verfügbare Rohstoffe auf der Karte";

// The "Warenhandel" page: the selected city's kind and trade route.
inline constexpr char kHomeCity[] = "Eure Stadt";
inline constexpr char kEnemyCity[] = "Feindliche Stadt";
inline constexpr char kRomanCity[] = "Römische Stadt";
inline constexpr char kForeignCity[] = "Ausländische Stadt";
inline constexpr char kLandRoute[] = "Landhandelsroute";
inline constexpr char kWaterRoute[] = "Wasserhandelsroute";
inline constexpr char kRouteClosed[] = "geschlossen";
inline constexpr char kRouteOpen[] = "geöffnet";

// The "Militär" page. Body lines start with a blank that indents them in the
// pane, unless noted; the blanks inside the prefixes line the colons up.
inline constexpr char kNoInvasions[] = "Keine Invasionen!";
inline constexpr char kNoMilitaryRequests[] = "Keine Anforderungen!";
inline constexpr char kInvasionHeading[] = "Invasion {}";
inline constexpr char kMilitaryRequestHeading[] = "Anforderungen {}";
// A duration: prefix + "2 Jahren, 1 Monat"; the plural of "Monat" is the line's own.
inline constexpr char kYear[] = " Jahr";  // also after 0
inline constexpr char kYears[] = " Jahren";
inline constexpr char kMonth[] = " Monat";
inline constexpr char kMonthsDative[] = " Monaten";
inline constexpr char kMonths[] = " Monate";
inline constexpr char kNoRepeat[] = " keine Wiederholung";
// The peoples of the invasions, by the script's number 0 to 4, each followed
// directly by the kind of invasion, which brings its own blank: two blanks
// stand after the comma.
inline constexpr const char* kInvaderPeoples[] = {" Karthager, ", " Griechen, ", " Germanen, ",
                                                  " Gallier, ", " Parthianer, "};
inline constexpr char kPillagers[] = " Plünderer";
inline constexpr char kRaid[] = " Überfall";
inline constexpr char kSiege[] = " Belagerung";
inline constexpr char kUnknownInvasionKind[] = " unbekannte Art";
// Start nach has two blanks before the colon here and one on the requests'
// lines; the repeat line has no leading blank.
inline constexpr char kInvasionStart[] = " Start nach  : ";
inline constexpr char kInvasionRepeat[] = "erneut nach : ";
inline constexpr char kNoRansom[] = " Freikaufen nicht möglich";
// Two blanks before the colon, none after it: the ransom text follows as the
// script writes it, blanks and all.
inline constexpr char kRansom[] = " Freikaufen  :{} Denarii";
inline constexpr char kInvasionAttackers[] = " Angreifer   :";
// The count as the script writes it, blanks and all, then the cohort word.
inline constexpr char kCohortItem[] = "  - {}{}";
// "IInfantrie" with two capital I is what players know from this page.
inline constexpr char kLightInfantry[] = " Kohorte(n) Leichte IInfantrie";
inline constexpr char kHeavyInfantry[] = " Kohorte(n) Schwere IInfantrie";
inline constexpr char kCavalry[] = " Kohorte(n) Kavallerie";
inline constexpr char kAuxiliaries[] = " Kohorte(n) Hilfstruppen";
inline constexpr char kArtillery[] = " Kohorte(n) Artillerie";
inline constexpr char kSiegeRams[] = " Kohorte(n) Belagerungsrammen";
inline constexpr char kRequestStart[] = " Start nach : ";
inline constexpr char kRequestRepeat[] = " erneut nach: ";
inline constexpr char kRequestDeadline[] = " Frist         : ";  // nine blanks after "Frist"
inline constexpr char kRequestAttackers[] = " Angreifer : insgesamt {} Kohorte(n)";
// After the last entry a pane shows, when the script holds more.
inline constexpr char kOneMoreNotShown[] = " Das Skript enthält eine weitere {}.";
inline constexpr char kMoreNotShown[] = " Das Skript enthält {} weitere {}.";
inline constexpr char kInvasionOne[] = "Invasion";
inline constexpr char kInvasionMany[] = "Invasionen";
inline constexpr char kMilitaryRequestOne[] = "Anforderung";
inline constexpr char kMilitaryRequestMany[] = "Anforderungen";

// The "Katalog" button, which starts katalog.exe from the lister's own folder;
// shown in the box titled kSystemErrorTitle.
inline constexpr char kKatalogMissing[] =
    "Das Programm {} fehlt. Der Knopf \"Katalog\" startet katalog.exe aus dem Ordner {}, in dem "
    "auch Q7Lister.exe liegt. Entpacken Sie das Archiv von Q7Lister noch einmal vollständig, damit "
    "katalog.exe neben Q7Lister.exe liegt.";
inline constexpr char kKatalogNotStarted[] = "Das Programm {} konnte nicht gestartet werden: {}";
inline constexpr char kKatalogNeedsDesktop[] =
    "Q7Lister läuft mit Administratorrechten, und die Windows-Oberfläche (Desktop und Taskleiste) "
    "läuft nicht. Der Szenarienkatalog soll nur mit Ihren eigenen Rechten geschrieben und geöffnet "
    "werden; Q7Lister startet ihn deshalb nicht. Starten Sie katalog.exe selbst aus dem Ordner {}, "
    "in dem auch Q7Lister.exe liegt: mit einem Doppelklick, sobald die Windows-Oberfläche wieder "
    "läuft, oder in einer Eingabeaufforderung ohne Administratorrechte.";

// The program's own failures, shown in the box titled kApplicationTitle.
inline constexpr char kInstallLocationNotText[] =
    "Der Registryeintrag \"InstallLocation\" ist keine Zeichenkette";
inline constexpr char kNoCarriedAnalyzer[] = "Das Programm enthält kein analyzer.exe";
inline constexpr char kCannotCreate[] = "{} kann nicht angelegt werden";  // a path
inline constexpr char kCannotWrite[] = "{} kann nicht geschrieben werden";
inline constexpr char kCannotOpen[] = "{} kann nicht geöffnet werden";
inline constexpr char kOwnFolderUnknown[] = "Der Ordner des Programms ist nicht bekannt";
inline constexpr char kChangedAfterWriting[] = "{} wurde nach dem Schreiben verändert";
inline constexpr char kFileTooLarge[] = "Die Datei {} ist größer als {} MB und wird nicht gelesen.";
inline constexpr char kTextTooLong[] = "Der Text ist zu lang";
inline constexpr char kWindowClassUnavailable[] = "Die Fensterklasse {} ist nicht verfügbar";
inline constexpr char kControlNotCreated[] = "Ein Steuerelement konnte nicht erzeugt werden";
inline constexpr char kUnknownControl[] = "Unbekanntes Steuerelement: {}";
// A system error code for which the system has no text.
inline constexpr char kSystemErrorCode[] = "Fehler {}";

// The text with its "{}" marks replaced by the values, in order. Marks
// inside the values are left alone.
std::string FillIn(const char* text, std::initializer_list<std::string> values);

}  // namespace lister::german
