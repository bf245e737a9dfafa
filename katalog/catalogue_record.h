// The record of a catalogue folder, katalog-inhalt.json: every file and
// folder the catalogue wrote there, and for each scenario the key its parts
// were made from. Only what the record names is ever removed or replaced;
// a folder without a record that reads is not a catalogue. The format is
// described in docs/katalog-json.md.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace katalog {

// The catalogue's fixed files: the page, its data, and the record.
inline constexpr char kPageFile[] = "index.html";
inline constexpr char kDataFile[] = "szenarien.json";
inline constexpr char kRecordFile[] = "katalog-inhalt.json";
inline constexpr char kRecordFormat[] = "szenarienkatalog-inhalt";
inline constexpr int kRecordVersion = 1;

// The folders a catalogue makes, each after the one it lies in.
inline constexpr const char* kCatalogueFolders[] = {"karten", "daten", "bilder", "bilder/waren"};

// What one scenario's parts were made from.
struct ScenarioSource {
  std::string file;                 // the scenario's file name
  std::string key;                  // names its parts: 32 lower-case hex digits
  std::vector<std::string> stamps;  // size and time of each file the key was made from
};

struct CatalogueRecord {
  std::string program;            // the build of katalog that made the parts
  std::set<std::string> folders;  // paths relative to the catalogue, "/" between folders
  std::set<std::string> files;
  std::vector<ScenarioSource> scenarios;
};

// One line of JSON and a line feed.
std::string RecordJson(const CatalogueRecord& record);

// False when the text is no record this program reads, or names a path that
// no catalogue writes (outside it, through "..", or of a kind it never makes).
bool ParseRecord(const std::string& text, CatalogueRecord& record);

// A path a catalogue may hold as a file: index.html, szenarien.json, or a
// plain name in one of kCatalogueFolders.
bool IsCatalogueFilePath(const std::string& path);
bool IsCatalogueFolderPath(const std::string& path);

// "karten/x.png" as {"karten", "x.png"}; a top-level name has an empty folder.
std::pair<std::string, std::string> SplitCataloguePath(const std::string& path);

}  // namespace katalog
