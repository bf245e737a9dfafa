#include "scenario_part.h"

namespace katalog {
namespace {

constexpr char kOpening[] = "katalogSzenario(";
constexpr char kClosing[] = ");\n";

}  // namespace

std::string DataPartPath(const std::string& key) { return "daten/" + key + ".js"; }

std::string DataPart(const std::string& scenarioJson) { return kOpening + scenarioJson + kClosing; }

std::optional<std::string> ScenarioJsonOfPart(const std::string& part) {
  const std::string opening = kOpening, closing = kClosing;
  if (part.size() < opening.size() + closing.size() ||
      part.compare(0, opening.size(), opening) != 0 ||
      part.compare(part.size() - closing.size(), closing.size(), closing) != 0)
    return std::nullopt;
  return part.substr(opening.size(), part.size() - opening.size() - closing.size());
}

}  // namespace katalog
