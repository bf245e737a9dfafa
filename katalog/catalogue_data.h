// What the catalogue holds of one scenario: the texts the lister's window
// shows for it, read back from a recording view, and its map pictures.
// szenarien.json is written from these values (json_writer.h).
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "picture.h"

namespace katalog {

// The first message box of the load.
struct Damage {
  std::string title;
  std::string text;
};

struct PictureFile {
  std::string path;  // relative to the output folder, "/" between folders
  int width = 0;
  int height = 0;
};

// A goods picture is the upper-case name of one of the lister's bitmaps, or
// nothing when the control stays empty.
using GoodsPicture = std::optional<std::string>;

struct GoodsSlot {
  std::string name;
  std::string count;
  GoodsPicture picture;
};

// A label of the window, named by its component name, with the text of the
// label that names it there (window_rows.h).
struct Label {
  std::string name;
  std::optional<std::string> caption;  // nothing for a label that stands alone
  std::string text;
  std::optional<lister::Rgb> color;  // for a label whose colour is part of it
};

struct City {
  std::string name;
  bool trades = true;         // false for the player's home city and enemy sites
  std::vector<Label> labels;  // kCityLabels
  std::vector<GoodsSlot> sells;
  std::vector<GoodsSlot> buys;
};

struct Request {
  std::string entry;
  GoodsPicture warePicture;
  std::vector<Label> labels;  // kRequestLabels
};

struct ResourceGood {
  std::string name;
  GoodsPicture picture;
};

struct RichLine {
  std::string text;
  bool heading = false;
  std::optional<lister::Rgb> color;  // a heading's colour
};

// Everything the window shows of a scenario that loaded, and the facts the
// core worked out for it.
struct WindowTexts {
  std::vector<Label> labels;  // kScenarioLabels
  int mapSide = 0;            // 128, 256, 384 or 512; 0 when the report names none
  int invasionCount = 0;
  int militaryRequestCount = 0;
  std::vector<City> cities;
  std::vector<Request> requests;
  std::string resourceHeader;
  std::vector<ResourceGood> resources;
  std::vector<RichLine> invasions;
  std::vector<RichLine> militaryRequests;
  std::string story;
};

struct ScenarioEntry {
  std::string id;    // the file name without its extension
  std::string file;  // the file name
  std::string key;   // names its parts (scenario_key.h)
  std::optional<Damage> damage;
  std::optional<PictureFile> thumbnail;
  std::optional<PictureFile> picture;
  std::optional<WindowTexts> window;  // nothing for a damaged scenario
};

}  // namespace katalog
