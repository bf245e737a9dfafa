#include "json_writer.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "text_lines.h"

namespace katalog {
namespace {

// Writes tokens and the commas between them.
class JsonOut {
 public:
  std::string& text() { return out_; }

  void BeginObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('['); }
  void EndArray() { Close(']'); }
  void Key(const char* name) {
    Separate();
    AppendJsonString(out_, name);
    out_ += ':';
    afterKey_ = true;
  }
  void String(const std::string& value) {
    Separate();
    AppendJsonString(out_, value);
  }
  void Int(long long value) {
    Separate();
    out_ += std::to_string(value);
  }
  void Bool(bool value) {
    Separate();
    out_ += value ? "true" : "false";
  }
  void Null() {
    Separate();
    out_ += "null";
  }
  void Raw(const std::string& json) {
    Separate();
    out_ += json;
  }

  template <typename T>
  void Field(const char* name, const T& value);

 private:
  void Separate() {
    if (afterKey_) {
      afterKey_ = false;
      return;
    }
    if (!first_.empty() && !first_.back()) out_ += ',';
    if (!first_.empty()) first_.back() = false;
  }
  void Open(char bracket) {
    Separate();
    out_ += bracket;
    first_.push_back(true);
  }
  void Close(char bracket) {
    out_ += bracket;
    first_.pop_back();
  }

  std::string out_;
  std::vector<bool> first_;  // per open bracket: nothing written in it yet
  bool afterKey_ = false;
};

void Write(JsonOut& json, const std::string& value) { json.String(value); }
void Write(JsonOut& json, const char* value) { json.String(value); }
void Write(JsonOut& json, int value) { json.Int(value); }
void Write(JsonOut& json, std::size_t value) { json.Int(static_cast<long long>(value)); }
void Write(JsonOut& json, bool value) { json.Bool(value); }

void Write(JsonOut& json, const lister::Rgb& color) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", color.red, color.green, color.blue);
  json.String(text);
}

template <typename T>
void Write(JsonOut& json, const std::optional<T>& value) {
  if (value)
    Write(json, *value);
  else
    json.Null();
}

template <typename T>
void Write(JsonOut& json, const std::vector<T>& values) {
  json.BeginArray();
  for (const T& value : values) Write(json, value);
  json.EndArray();
}

template <typename T>
void JsonOut::Field(const char* name, const T& value) {
  Key(name);
  Write(*this, value);
}

void Write(JsonOut& json, const Damage& damage) {
  json.BeginObject();
  json.Field("title", damage.title);
  json.Field("text", damage.text);
  json.EndObject();
}

void Write(JsonOut& json, const PictureFile& picture) {
  json.BeginObject();
  json.Field("path", picture.path);
  json.Field("width", picture.width);
  json.Field("height", picture.height);
  json.EndObject();
}

void Write(JsonOut& json, const GoodsSlot& slot) {
  json.BeginObject();
  json.Field("name", slot.name);
  json.Field("count", slot.count);
  json.Field("picture", slot.picture);
  json.EndObject();
}

void Write(JsonOut& json, const Label& label) {
  json.BeginObject();
  json.Field("name", label.name);
  json.Field("caption", label.caption);
  json.Field("text", label.text);
  if (label.color) json.Field("color", *label.color);
  json.EndObject();
}

void Write(JsonOut& json, const City& city) {
  json.BeginObject();
  json.Field("name", city.name);
  json.Field("trades", city.trades);
  json.Field("labels", city.labels);
  json.Field("sells", city.sells);
  json.Field("buys", city.buys);
  json.EndObject();
}

void Write(JsonOut& json, const Request& request) {
  json.BeginObject();
  json.Field("entry", request.entry);
  json.Field("warePicture", request.warePicture);
  json.Field("labels", request.labels);
  json.EndObject();
}

void Write(JsonOut& json, const ResourceGood& good) {
  json.BeginObject();
  json.Field("name", good.name);
  json.Field("picture", good.picture);
  json.EndObject();
}

void Write(JsonOut& json, const RichLine& line) {
  json.BeginObject();
  json.Field("text", line.text);
  json.Field("heading", line.heading);
  json.Field("color", line.color);
  json.EndObject();
}

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// Each goods name of one side of every city once, in city and slot order.
std::vector<std::string> GoodsNames(const std::vector<City>& cities, bool sold) {
  std::vector<std::string> names;
  for (const City& city : cities)
    for (const GoodsSlot& slot : sold ? city.sells : city.buys)
      if (!slot.name.empty() && std::find(names.begin(), names.end(), slot.name) == names.end())
        names.push_back(slot.name);
  return names;
}

std::optional<int> Known(int mapSide) {
  return mapSide > 0 ? std::optional<int>(mapSide) : std::nullopt;
}

void WriteWindowFields(JsonOut& json, const std::string& id, const WindowTexts& window) {
  std::size_t tradeCities = 0;
  for (const City& city : window.cities) tradeCities += city.trades ? 1 : 0;
  json.Field("mapSide", Known(window.mapSide));
  json.Field("invasionCount", window.invasionCount);
  json.Field("militaryRequestCount", window.militaryRequestCount);
  json.Field("cityCount", window.cities.size());
  json.Field("tradeCityCount", tradeCities);
  json.Field("goodsSold", GoodsNames(window.cities, true));
  json.Field("goodsBought", GoodsNames(window.cities, false));
  json.Field("requestCount", window.requests.size());
  json.Field("description", Description(window.story, id));
  json.Field("labels", window.labels);
  json.Field("cities", window.cities);
  json.Field("requests", window.requests);
  json.Key("resources");
  json.BeginObject();
  json.Field("header", window.resourceHeader);
  json.Field("goods", window.resources);
  json.EndObject();
  json.Field("invasions", window.invasions);
  json.Field("militaryRequests", window.militaryRequests);
  json.Field("story", window.story);
}

constexpr const char* kWindowFields[] = {"mapSide",     "invasionCount",  "militaryRequestCount",
                                         "cityCount",   "tradeCityCount", "goodsSold",
                                         "goodsBought", "requestCount",   "description",
                                         "labels",      "cities",         "requests",
                                         "resources",   "invasions",      "militaryRequests",
                                         "story"};

}  // namespace

void AppendJsonString(std::string& out, const std::string& text) {
  out += '"';
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = ValidUtf8Length(text, at);
    if (length == 0) {
      out += "\xEF\xBF\xBD";  // U+FFFD
      ++at;
      continue;
    }
    if (length == 3 && text.compare(at, 2, "\xE2\x80") == 0 &&
        (text[at + 2] == '\xA8' || text[at + 2] == '\xA9')) {
      out += text[at + 2] == '\xA8' ? "\\u2028" : "\\u2029";
    } else if (length > 1) {
      out.append(text, at, length);
    } else {
      const char c = text[at];
      switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '<': out += "\\u003c"; break;
        case '>': out += "\\u003e"; break;
        case '&': out += "\\u0026"; break;
        default:
          if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
          } else {
            out += c;
          }
      }
    }
    at += length;
  }
  out += '"';
}

namespace {

// A story's line that names the scenario: its name, or the name that a copy
// numbered after it keeps ("Legatus" of "Legatus 2").
bool IsTitle(const std::string& line, const std::string& name) {
  return name.compare(0, line.size(), line) == 0 &&
         (name.size() == line.size() || name[line.size()] == ' ');
}

}  // namespace

std::string Description(const std::string& story, const std::string& title) {
  std::size_t start = 0;
  while (start <= story.size()) {
    std::size_t end = story.find_first_of("\r\n", start);
    if (end == std::string::npos) end = story.size();
    std::size_t begin = start, stop = end;
    while (begin < stop && IsBlankOrControl(story[begin])) ++begin;
    while (stop > begin && IsBlankOrControl(story[stop - 1])) --stop;
    if (begin < stop && !IsTitle(story.substr(begin, stop - begin), title))
      return story.substr(begin, stop - begin);
    start = end + 1;
  }
  return {};
}

std::string ScenarioJson(const ScenarioEntry& entry) {
  JsonOut json;
  json.BeginObject();
  json.Field("id", entry.id);
  json.Field("file", entry.file);
  json.Field("key", entry.key);
  json.Field("damage", entry.damage);
  json.Field("thumbnail", entry.thumbnail);
  json.Field("picture", entry.picture);
  if (entry.window) {
    WriteWindowFields(json, entry.id, *entry.window);
  } else {
    for (const char* name : kWindowFields) {
      json.Key(name);
      json.Null();
    }
  }
  json.EndObject();
  return std::move(json.text());
}

std::string CatalogueJson(const std::vector<std::pair<std::string, std::string>>& captions,
                          const std::vector<std::string>& scenarios) {
  JsonOut json;
  json.BeginObject();
  json.Field("format", "szenarienkatalog");
  json.Field("version", kFormatVersion);
  json.Key("captions");
  json.BeginObject();
  for (const auto& [control, text] : captions) json.Field(control.c_str(), text);
  json.EndObject();
  json.Key("scenarios");
  json.BeginArray();
  for (const std::string& scenario : scenarios) json.Raw(scenario);
  json.EndArray();
  json.EndObject();
  return std::move(json.text());
}

}  // namespace katalog
