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

struct City {
  std::string name;
  std::string cityType;
  std::string tradeRouteType;
  std::string tradeRouteStatus;
  std::vector<GoodsSlot> sells;
  std::vector<GoodsSlot> buys;
};

struct Request {
  std::string entry;
  std::string wareCount;
  std::string wareName;
  GoodsPicture warePicture;
  std::string time;
  std::string comply;
  std::string recurs;
  std::string reward;
  std::string penalty;
  std::string text;
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

// Everything the window shows of a scenario that loaded.
struct WindowTexts {
  std::vector<std::pair<std::string, std::string>> labels;  // name and text, in kLabelNames order
  lister::Rgb goalsColor{0, 0, 0};                          // of ZielInfo
  std::vector<City> cities;
  std::vector<Request> requests;
  std::string resourceHeader;
  std::vector<ResourceGood> resources;
  std::vector<RichLine> invasions;
  std::vector<RichLine> militaryRequests;
  std::string story;

  // The text of the label of that name; "" for a name it does not hold.
  const std::string& Label(const std::string& name) const {
    static const std::string kNone;
    for (const auto& label : labels)
      if (label.first == name) return label.second;
    return kNone;
  }
};

// The labels a scenario's entry holds, in this order.
inline constexpr const char* kLabelNames[] = {
    "SCNName",           "ScnStatusInfo",        "MapLocationInfo",
    "ZielInfo",          "MilitaryRequestsInfo", "MilitaryInvasionsInfo",
    "NatureEventsInfo",  "WagePlebejerInfo",     "WageEquitesInfo",
    "TradeRequestsInfo", "CitiesCountInfo",      "CultureInfo",
    "SecurityInfo",      "ProsperityInfo",       "FavorInfo",
    "PopulationInfo",    "ZielNoteInfo",         "MapSizeInfo",
    "MapLocationInfo2"};

struct ScenarioEntry {
  std::string id;    // the file name without its extension
  std::string file;  // the file name
  std::optional<Damage> damage;
  std::optional<PictureFile> thumbnail;
  std::optional<PictureFile> picture;
  std::optional<WindowTexts> window;  // nothing for a damaged scenario
};

}  // namespace katalog
