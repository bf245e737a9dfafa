#include "invasion_script.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "text_util.h"

namespace lister {

namespace {

// Invasions shown even when the script holds no statement for them.
constexpr int kAlwaysShown = 50;
constexpr int kCohortSlots = 6;

enum class Statement { Setup, Cohort, Launch };

struct StatementLines {
  std::vector<std::size_t> setup;
  std::vector<std::size_t> cohort;
  std::vector<std::size_t> launch;
};

// Where "mInvasions[i]" is followed by one of the three statements, for
// every decimal i written without leading zeros.
std::map<int, StatementLines> IndexStatements(const std::vector<std::string>& lines) {
  static const std::string kArray = "mInvasions[";
  struct Suffix {
    const char* text;
    Statement statement;
  };
  static constexpr Suffix kSuffixes[] = {{"] = new InvasionSetup", Statement::Setup},
                                         {"].AddCohort", Statement::Cohort},
                                         {"].CreateInvasion", Statement::Launch}};
  std::map<int, StatementLines> index;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const std::string& line = lines[n];
    // One entry per statement kind and invasion, even when a line repeats it.
    std::map<std::pair<int, Statement>, bool> seen;
    for (std::size_t at = line.find(kArray); at != std::string::npos;
         at = line.find(kArray, at + 1)) {
      std::size_t digits = at + kArray.size();
      std::size_t end = digits;
      while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
      std::string number = line.substr(digits, end - digits);
      int i = 0;
      if (number.empty() || (number.size() > 1 && number[0] == '0') || !TryParseInt(number, i))
        continue;
      for (const Suffix& suffix : kSuffixes) {
        if (line.compare(end, std::char_traits<char>::length(suffix.text), suffix.text) != 0)
          continue;
        if (seen[{i, suffix.statement}]) continue;
        seen[{i, suffix.statement}] = true;
        StatementLines& statements = index[i];
        (suffix.statement == Statement::Setup    ? statements.setup
         : suffix.statement == Statement::Cohort ? statements.cohort
                                                 : statements.launch)
            .push_back(n);
      }
    }
  }
  return index;
}

// Kind codes: 0 pillagers, 1 raid, 2 invasion; 10 when no line names one.
constexpr signed char kKindNotNamed = 10;
constexpr signed char kNoKindOnLine = -1;

// The invasion type a line names; a later name in this order wins.
signed char KindNamedIn(const std::string& line) {
  signed char kind = kNoKindOnLine;
  if (Contains(line, "eInvasionType.kPillager")) kind = 0;
  if (Contains(line, "eInvasionType.kRaid")) kind = 1;
  if (Contains(line, "eInvasionType.kInvasion")) kind = 2;
  return kind;
}

// For every line, the kind named on it or on the first later line that names one.
std::vector<signed char> KindsFromEachLine(const std::vector<std::string>& lines) {
  std::vector<signed char> kinds(lines.size() + 1, kKindNotNamed);
  for (std::size_t n = lines.size(); n-- > 0;) {
    signed char kind = KindNamedIn(lines[n]);
    kinds[n] = kind == kNoKindOnLine ? kinds[n + 1] : kind;
  }
  return kinds;
}

void ReadPeople(const std::string& line, InvasionEntry& entry) {
  static constexpr const char* kPeoples[] = {"kCarthaginian", "kGreek", "kGermanian", "kGaul",
                                             "kParthian"};
  for (int code = 0; code < 5; ++code)
    if (Contains(line, kPeoples[code])) entry.people = std::to_string(code);
}

// The text before the first comma, "" when there is none.
std::string BeforeComma(const std::string& text) {
  int comma = Pos(",", text);
  return comma == 0 ? std::string() : Copy(text, 1, comma - 1);
}

// The 20 characters after the first comma.
std::string AfterComma(const std::string& text) { return Copy(text, Pos(",", text) + 1, 20); }

// Ransom and start delay follow the invasion type's keyword on the setup
// line or on the line after it: "..., eInvasionType.kRaid, <ransom>, <delay>, ...)".
void ReadParameters(const std::vector<std::string>& lines, std::size_t setup,
                    InvasionEntry& entry) {
  const std::string* line = &lines[setup];
  if (!Contains(*line, "eInvasionType.")) {
    line = &LineAt(lines, static_cast<long long>(setup) + 1);
    if (!Contains(*line, "eInvasionType.")) return;
  }
  bool found = false;
  std::string parameters;
  for (const char* keyword : {"kRaid", "kPillagers", "kInvasion"}) {
    int at = Pos(keyword, *line);
    if (at == 0) continue;
    int begin = at + CharLength(keyword) + 1;
    parameters = Copy(*line, begin, Pos(")", *line) - begin);
    found = true;
  }
  if (!found) return;
  entry.ransom = BeforeComma(parameters);
  entry.startDelay = BeforeComma(AfterComma(parameters));
}

// "mInvasions[i].AddCohort(<enum>_<type>, <count>, ...)".
CohortSlot ReadCohort(const std::string& line) {
  int underscore = Pos("_", line);
  std::string text = Copy(line, underscore + 1, Pos(")", line) - underscore - 1);
  if (underscore == 0 || text.empty()) return {};
  return {BeforeComma(text), BeforeComma(AfterComma(text))};
}

// "mInvasions[i].CreateInvasion(i, <repeat interval>)".
std::string ReadRepeatInterval(const std::string& line, int number) {
  int begin = Pos(std::to_string(number) + ",", line);
  if (begin == 0) return {};
  return AfterComma(Copy(line, begin, Pos(")", line) - begin));
}

InvasionEntry ReadInvasion(const std::vector<std::string>& lines,
                           const std::vector<signed char>& kindsFrom, int number,
                           const StatementLines& statements) {
  InvasionEntry entry;
  entry.number = number;
  for (std::size_t setup : statements.setup) {
    ReadPeople(lines[setup], entry);
    ReadParameters(lines, setup, entry);
  }
  if (!statements.setup.empty()) entry.kind = std::to_string(kindsFrom[statements.setup.back()]);

  if (!statements.cohort.empty()) {
    std::size_t first = statements.cohort.front();
    // The slots follow the lines of the run: a line without the statement leaves a gap.
    for (std::size_t slot = 0; slot < kCohortSlots; ++slot)
      if (std::binary_search(statements.cohort.begin(), statements.cohort.end(), first + slot))
        entry.cohorts[slot] = ReadCohort(lines[first + slot]);
  }
  if (!statements.launch.empty())
    entry.repeatInterval = ReadRepeatInterval(lines[statements.launch.front()], number);
  return entry;
}

}  // namespace

Invasions ReadInvasions(const std::vector<std::string>& scriptLines, int invasionCount,
                        std::size_t maxEntries) {
  std::map<int, StatementLines> index = IndexStatements(scriptLines);
  std::vector<signed char> kindsFrom = KindsFromEachLine(scriptLines);
  static const StatementLines kNoStatements;

  Invasions invasions;
  auto add = [&](int number, const StatementLines& statements) {
    if (invasions.entries.size() < maxEntries)
      invasions.entries.push_back(ReadInvasion(scriptLines, kindsFrom, number, statements));
    else
      ++invasions.notRead;
  };
  for (int i = 0; i < invasionCount && i < kAlwaysShown; ++i) {
    auto found = index.find(i);
    add(i, found == index.end() ? kNoStatements : found->second);
  }
  for (auto it = index.lower_bound(kAlwaysShown); it != index.end() && it->first < invasionCount;
       ++it)
    add(it->first, it->second);
  return invasions;
}

}  // namespace lister
