#include "page_writer.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <stdexcept>

#define XXH_INLINE_ALL
#include "embedded_resources.h"
#include "json_reader.h"
#include "json_writer.h"
#include "xxhash.h"

namespace katalog {
namespace {

constexpr char kRowsFormat[] = "szenarienkatalog-zeilen";
constexpr char kRowsPlaceholder[] = "{{KATALOG_ZEILEN}}";

// The members of a scenario object that its row carries, in their order: what
// the table shows, sorts and filters by, and what the address and the data
// part are found by. goodsProducible is the row's own: the names of the
// goods of the "Ressourcen" page.
constexpr const char* kRowFields[] = {"id",
                                      "file",
                                      "key",
                                      "damage",
                                      "thumbnail",
                                      "mapSide",
                                      "invasionCount",
                                      "militaryRequestCount",
                                      "cityCount",
                                      "tradeCityCount",
                                      "goodsSold",
                                      "goodsBought",
                                      "goodsProducible",
                                      "requestCount",
                                      "description",
                                      "labels"};

// The labels that the table shows or names a column by; the others only the
// detail view.
constexpr const char* kRowLabels[] = {"ScnStatusInfo",
                                      "MapLocationInfo",
                                      "ZielInfo",
                                      "MilitaryRequestsInfo",
                                      "MilitaryInvasionsInfo",
                                      "CultureInfo",
                                      "SecurityInfo",
                                      "ProsperityInfo",
                                      "FavorInfo",
                                      "PopulationInfo",
                                      "MapSizeInfo"};

void AppendJson(std::string& out, const JsonValue& value);

void AppendMember(std::string& out, bool first, const std::string& name, const JsonValue& value) {
  if (!first) out += ',';
  AppendJsonString(out, name);
  out += ':';
  AppendJson(out, value);
}

// The value in the byte form of szenarien.json; the catalogue's texts nest
// only a few levels deep (json_reader.h).
void AppendJson(std::string& out, const JsonValue& value) {
  switch (value.kind) {
    case JsonValue::Kind::Null: out += "null"; break;
    case JsonValue::Kind::Bool: out += value.boolean ? "true" : "false"; break;
    case JsonValue::Kind::Number: out += std::to_string(value.number); break;
    case JsonValue::Kind::String: AppendJsonString(out, value.text); break;
    case JsonValue::Kind::Array:
      out += '[';
      for (std::size_t i = 0; i < value.items.size(); ++i) {
        if (i > 0) out += ',';
        AppendJson(out, value.items[i]);
      }
      out += ']';
      break;
    case JsonValue::Kind::Object:
      out += '{';
      for (std::size_t i = 0; i < value.members.size(); ++i)
        AppendMember(out, i == 0, value.members[i].first, value.members[i].second);
      out += '}';
      break;
  }
}

bool IsRowLabel(const JsonValue& label) {
  return std::find_if(std::begin(kRowLabels), std::end(kRowLabels), [&](const char* name) {
           return label["name"].text == name;
         }) != std::end(kRowLabels);
}

// A member of the row: the scenario's own, with only the row's labels, or
// the names of its producible goods (null for a damaged scenario).
JsonValue RowValue(const JsonValue& scenario, const std::string& name) {
  if (name == "goodsProducible") {
    JsonValue names;
    if (scenario["resources"].IsNull()) return names;
    names.kind = JsonValue::Kind::Array;
    for (const JsonValue& good : scenario["resources"]["goods"].items)
      names.items.push_back(good["name"]);
    return names;
  }
  JsonValue value = scenario[name];
  if (name == "labels" && !value.IsNull())
    value.items.erase(std::remove_if(value.items.begin(), value.items.end(),
                                     [](const JsonValue& l) { return !IsRowLabel(l); }),
                      value.items.end());
  return value;
}

void AppendRow(std::string& out, const JsonValue& scenario) {
  out += '{';
  bool first = true;
  for (const char* name : kRowFields) {
    AppendMember(out, first, name, RowValue(scenario, name));
    first = false;
  }
  out += '}';
}

// What only search needs of a scenario: its cities' names, the goods its
// requests name, and its story.
void AppendSearchTexts(std::string& out, const JsonValue& scenario) {
  std::vector<const std::string*> texts;
  for (const JsonValue& city : scenario["cities"].items) texts.push_back(&city["name"].text);
  for (const JsonValue& request : scenario["requests"].items)
    for (const JsonValue& label : request["labels"].items)
      if (label["name"].text == "REQWareName") texts.push_back(&label["text"].text);
  if (!scenario["story"].IsNull()) texts.push_back(&scenario["story"].text);
  out += '[';
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) out += ',';
    AppendJsonString(out, *texts[i]);
  }
  out += ']';
}

// Each goods name of every city's slots and of the "Ressourcen" page once,
// sold before bought before producible, with the picture of the first that
// names it.
void CollectGoods(const JsonValue& scenario,
                  std::vector<std::pair<std::string, JsonValue>>& goods) {
  const auto add = [&](const JsonValue& good) {
    const std::string& name = good["name"].text;
    if (name.empty() || std::any_of(goods.begin(), goods.end(),
                                    [&](const auto& known) { return known.first == name; }))
      return;
    goods.emplace_back(name, good["picture"]);
  };
  for (const JsonValue& city : scenario["cities"].items)
    for (const char* side : {"sells", "buys"})
      for (const JsonValue& slot : city[side].items) add(slot);
  for (const JsonValue& good : scenario["resources"]["goods"].items) add(good);
}

std::string Hex(const XXH128_hash_t& digest) {
  char text[33];
  std::snprintf(text, sizeof text, "%016llx%016llx", static_cast<unsigned long long>(digest.high64),
                static_cast<unsigned long long>(digest.low64));
  return text;
}

std::string Text(const EmbeddedFile& file) {
  return std::string(reinterpret_cast<const char*>(file.bytes), file.size);
}

}  // namespace

std::string Base64(const unsigned char* bytes, std::size_t size) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((size + 2) / 3 * 4);
  for (std::size_t i = 0; i < size; i += 3) {
    const std::size_t left = size - i;
    const unsigned group =
        (bytes[i] << 16) | (left > 1 ? bytes[i + 1] << 8 : 0) | (left > 2 ? bytes[i + 2] : 0);
    out += kAlphabet[(group >> 18) & 63];
    out += kAlphabet[(group >> 12) & 63];
    out += left > 1 ? kAlphabet[(group >> 6) & 63] : '=';
    out += left > 2 ? kAlphabet[group & 63] : '=';
  }
  return out;
}

bool FillTemplate(const std::string& page,
                  const std::vector<std::pair<std::string, std::string>>& values,
                  std::string& filled) {
  filled.clear();
  std::size_t copied = 0;
  for (const auto& [placeholder, value] : values) {
    const std::size_t at = page.find(placeholder, copied);
    if (at == std::string::npos || page.find(placeholder, at + 1) != std::string::npos ||
        page.find(placeholder) != at)
      return false;
    filled.append(page, copied, at - copied);
    filled += value;
    copied = at + placeholder.size();
  }
  filled.append(page, copied, std::string::npos);
  return true;
}

bool MakePageFiles(const std::vector<std::pair<std::string, std::string>>& captions,
                   const std::vector<std::string>& scenarios, PageFiles& files) {
  std::string rows, search = "katalogSuche([";
  std::vector<std::pair<std::string, JsonValue>> goods;
  for (std::size_t i = 0; i < scenarios.size(); ++i) {
    const std::optional<JsonValue> scenario = ReadJson(scenarios[i]);
    if (!scenario || scenario->kind != JsonValue::Kind::Object) return false;
    if (i > 0) rows += ',', search += ',';
    AppendRow(rows, *scenario);
    AppendSearchTexts(search, *scenario);
    CollectGoods(*scenario, goods);
  }
  search += "]);\n";
  files.searchPath = "daten/suche-" + Hex(XXH3_128bits(search.data(), search.size())) + ".js";
  files.search = std::move(search);

  std::string table = "{\"format\":";
  AppendJsonString(table, kRowsFormat);
  table += ",\"version\":" + std::to_string(kFormatVersion) + ",\"captions\":{";
  for (std::size_t i = 0; i < captions.size(); ++i) {
    JsonValue text;
    text.kind = JsonValue::Kind::String;
    text.text = captions[i].second;
    AppendMember(table, i == 0, captions[i].first, text);
  }
  table += "},\"goods\":[";
  for (std::size_t i = 0; i < goods.size(); ++i) {
    table += i > 0 ? ",{\"name\":" : "{\"name\":";
    AppendJsonString(table, goods[i].first);
    table += ",\"picture\":";
    AppendJson(table, goods[i].second);
    table += '}';
  }
  table += "],\"search\":";
  AppendJsonString(table, files.searchPath);
  table += ",\"scenarios\":[" + rows + "]}";

  // The template is part of the program; one that lacks its placeholder is a
  // fault of the build, not of the scenarios.
  if (!FillTemplate(Text(kPageTemplate), {{kRowsPlaceholder, table}}, files.page))
    throw std::logic_error("the page template lacks its placeholder");
  return true;
}

std::string FontsScript() {
  struct Face {
    const char* family;
    const char* weight;
    const EmbeddedFile& file;
  };
  const Face faces[] = {{"Avery Deluxe", "400", kFontText},
                        {"Avery Deluxe", "700", kFontTextBold},
                        {"Formal436 BT", "400", kFontDisplay}};
  std::string out = "katalogSchriften([";
  for (const Face& face : faces) {
    out += out.back() == '[' ? "{\"family\":" : ",{\"family\":";
    AppendJsonString(out, face.family);
    out += ",\"weight\":";
    AppendJsonString(out, face.weight);
    out += ",\"data\":\"" + Base64(face.file.bytes, face.file.size) + "\"}";
  }
  return out + "]);\n";
}

}  // namespace katalog
