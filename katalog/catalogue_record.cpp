#include "catalogue_record.h"

#include <algorithm>
#include <iterator>

#include "json_reader.h"
#include "json_writer.h"

namespace katalog {
namespace {

constexpr std::size_t kMaxNameLength = 100;

bool IsNameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-' || c == '.';
}

// A name the catalogue gives a file in one of its folders: plain ASCII, not
// hidden, no "." or "..".
bool IsPlainName(const std::string& name) {
  return !name.empty() && name.size() <= kMaxNameLength && name[0] != '.' &&
         std::all_of(name.begin(), name.end(), IsNameCharacter);
}

bool IsKey(const std::string& key) {
  return key.size() == 32 && std::all_of(key.begin(), key.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
         });
}

bool IsStamp(const std::string& stamp) {
  return stamp.size() <= 100 &&
         std::all_of(stamp.begin(), stamp.end(), [](char c) { return c > ' ' && c < 0x7F; });
}

void AppendStrings(std::string& out, const char* name, const std::set<std::string>& values) {
  out += ',';
  AppendJsonString(out, name);
  out += ":[";
  for (auto it = values.begin(); it != values.end(); ++it) {
    if (it != values.begin()) out += ',';
    AppendJsonString(out, *it);
  }
  out += ']';
}

bool ReadStrings(const JsonValue& array, std::vector<std::string>& values) {
  if (array.kind != JsonValue::Kind::Array) return false;
  values.clear();
  for (const JsonValue& item : array.items) {
    if (item.kind != JsonValue::Kind::String) return false;
    values.push_back(item.text);
  }
  return true;
}

bool ReadPaths(const JsonValue& array, bool (*allowed)(const std::string&),
               std::set<std::string>& paths) {
  std::vector<std::string> values;
  if (!ReadStrings(array, values) || !std::all_of(values.begin(), values.end(), allowed))
    return false;
  paths = std::set<std::string>(values.begin(), values.end());
  return true;
}

bool ReadScenario(const JsonValue& value, ScenarioSource& scenario) {
  const JsonValue &file = value["file"], &key = value["key"];
  if (file.kind != JsonValue::Kind::String || key.kind != JsonValue::Kind::String ||
      !IsKey(key.text) || !ReadStrings(value["stamps"], scenario.stamps) ||
      !std::all_of(scenario.stamps.begin(), scenario.stamps.end(), IsStamp))
    return false;
  scenario.file = file.text;
  scenario.key = key.text;
  return true;
}

}  // namespace

bool IsCatalogueFolderPath(const std::string& path) {
  return std::find_if(std::begin(kCatalogueFolders), std::end(kCatalogueFolders),
                      [&](const char* folder) { return path == folder; }) !=
         std::end(kCatalogueFolders);
}

std::pair<std::string, std::string> SplitCataloguePath(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {"", path};
  return {path.substr(0, slash), path.substr(slash + 1)};
}

bool IsCatalogueFilePath(const std::string& path) {
  if (path == kPageFile || path == kDataFile) return true;
  const auto [folder, name] = SplitCataloguePath(path);
  return IsCatalogueFolderPath(folder) && IsPlainName(name);
}

std::string RecordJson(const CatalogueRecord& record) {
  std::string out = "{\"format\":";
  AppendJsonString(out, kRecordFormat);
  out += ",\"version\":" + std::to_string(kRecordVersion) + ",\"program\":";
  AppendJsonString(out, record.program);
  AppendStrings(out, "folders", record.folders);
  AppendStrings(out, "files", record.files);
  out += ",\"scenarios\":[";
  for (std::size_t i = 0; i < record.scenarios.size(); ++i) {
    const ScenarioSource& scenario = record.scenarios[i];
    out += i > 0 ? ",{\"file\":" : "{\"file\":";
    AppendJsonString(out, scenario.file);
    out += ",\"key\":";
    AppendJsonString(out, scenario.key);
    out += ",\"stamps\":[";
    for (std::size_t s = 0; s < scenario.stamps.size(); ++s) {
      if (s > 0) out += ',';
      AppendJsonString(out, scenario.stamps[s]);
    }
    out += "]}";
  }
  out += "]}\n";
  return out;
}

bool ParseRecord(const std::string& text, CatalogueRecord& record) {
  record = CatalogueRecord();
  const std::optional<JsonValue> json = ReadJson(text);
  if (!json || json->kind != JsonValue::Kind::Object) return false;
  const JsonValue& root = *json;
  if (root["format"].text != kRecordFormat || root["version"].kind != JsonValue::Kind::Number ||
      root["version"].number != kRecordVersion || root["program"].kind != JsonValue::Kind::String ||
      !ReadPaths(root["folders"], IsCatalogueFolderPath, record.folders) ||
      !ReadPaths(root["files"], IsCatalogueFilePath, record.files) ||
      root["scenarios"].kind != JsonValue::Kind::Array)
    return false;
  record.program = root["program"].text;
  for (const JsonValue& value : root["scenarios"].items) {
    ScenarioSource scenario;
    if (!ReadScenario(value, scenario)) return false;
    record.scenarios.push_back(std::move(scenario));
  }
  return true;
}

}  // namespace katalog
