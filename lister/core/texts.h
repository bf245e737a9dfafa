// Every fixed German text that the lister shows in a message box or writes
// into a label while it loads a scenario and fills its pages, byte for byte
// as the player sees it. "{}" marks where a name or a number goes (FillIn).
// The translation tables of report words live with their lookups.
#pragma once

#include <initializer_list>
#include <string>

namespace lister::german {

// Titles of the message boxes.
inline constexpr char kFileErrorTitle[] = "Dateifehler";  // missing or damaged files
inline constexpr char kSystemErrorTitle[] = "Fehler";     // the system's reason
inline constexpr char kStartErrorTitle[] = "Systemfehler";

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

// The text with its "{}" marks replaced by the values, in order. Marks
// inside the values are left alone.
std::string FillIn(const char* text, std::initializer_list<std::string> values);

}  // namespace lister::german
