#include "military_request_script.h"

#include <algorithm>

#include "text_util.h"

namespace lister {

namespace {

// Requests shown even when the script does not start as many.
constexpr int kAlwaysShown = 21;

// A table of line marks that grows on demand; unset marks are 0.
class Marks {
 public:
  long long Get(std::size_t at) const { return at < marks_.size() ? marks_[at] : 0; }
  void Set(std::size_t at, long long mark) {
    if (at >= marks_.size()) marks_.resize(at + 1, 0);
    marks_[at] = mark;
  }

 private:
  std::vector<long long> marks_;
};

// Field blocks: request r's fields stand from the line before its
// "requestInfo.mRequestID" to the line before the next request's one (for
// the last request, the line before its "request.AddMilitaryRequest").
Marks FieldBlockMarks(const std::vector<std::string>& lines) {
  Marks marks;
  std::size_t request = 0;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    long long before = static_cast<long long>(n) - 1;
    if (Contains(lines[n], "requestInfo.mRequestID")) marks.Set(request, before);
    if (Contains(lines[n], "request.AddMilitaryRequest")) marks.Set(++request, before);
  }
  return marks;
}

// Cohort blocks: request r's cohorts stand from the line after its
// "request = new MilitaryRequest()" to the line after its
// "request.AddMilitaryRequest". Marks of request r are at r * 2 and r * 2 + 1;
// further "new" lines before the hand-over do not move them.
struct CohortBlock {
  long long first = 0;
  long long last = 0;
};

std::vector<CohortBlock> CohortBlocks(const std::vector<std::string>& lines) {
  std::vector<CohortBlock> blocks(1);
  std::size_t markInRequest = 0;
  auto setMark = [&](long long mark) {
    if (markInRequest == 0) blocks.back().first = mark;
    if (markInRequest == 1) blocks.back().last = mark;
    ++markInRequest;
  };
  for (std::size_t n = 0; n < lines.size(); ++n) {
    long long after = static_cast<long long>(n) + 1;
    if (Contains(lines[n], "request = new MilitaryRequest()")) setMark(after);
    if (Contains(lines[n], "request.AddMilitaryRequest")) {
      setMark(after);
      blocks.emplace_back();
      markInRequest = 0;
    }
  }
  return blocks;
}

// "requestInfo.mReward = 5;" gives "5".
std::string AssignedValue(const std::string& line, int equals) {
  return Trim(Copy(line, equals + 1, Pos(";", line) - equals - 1));
}

void ReadFields(const std::vector<std::string>& lines, long long first, long long last,
                MilitaryRequestEntry& entry) {
  struct Field {
    const char* text;
    std::string MilitaryRequestEntry::*value;
  };
  static const Field kFields[] = {
      {".mReward", &MilitaryRequestEntry::reward},
      {".mPenalty", &MilitaryRequestEntry::penalty},
      {".mStartWeek", &MilitaryRequestEntry::startWeek},
      {".mRecursionWeek", &MilitaryRequestEntry::recursionWeek},
      {".mDeadline", &MilitaryRequestEntry::deadline},
  };
  for (long long n = first; n <= last; ++n) {
    const std::string& line = LineAt(lines, n);
    int equals = Pos("=", line);
    // A line that assigns nothing sets no field.
    if (equals == 0) continue;
    for (const Field& field : kFields)
      if (Contains(line, field.text)) entry.*field.value = AssignedValue(line, equals);
  }
  if (entry.penalty == "0") entry.penalty = "Leer";
}

// "request.AddCohort(eCohortType.Cohort_Hvy, 3);": the count is what stands
// between the first comma and the first ")".
void ReadCohorts(const std::vector<std::string>& lines, const CohortBlock& block,
                 MilitaryRequestEntry& entry) {
  for (long long n = block.first; n <= block.last; ++n) {
    const std::string& line = LineAt(lines, n);
    for (const char* type : {"Lt", "Hvy", "Aux", "Cav", "Catapult"}) {
      if (!Contains(line, type)) continue;
      int comma = Pos(",", line);
      entry.cohorts.push_back({type, Copy(line, comma + 1, Pos(")", line) - comma - 1)});
    }
  }
}

}  // namespace

MilitaryRequests ReadMilitaryRequests(const std::vector<std::string>& scriptLines, int requestCount,
                                      std::size_t maxEntries) {
  long long started = std::count_if(
      scriptLines.begin(), scriptLines.end(),
      [](const std::string& line) { return Contains(line, "new MilitaryRequest()"); });
  long long shown = std::min<long long>(requestCount, std::max<long long>(kAlwaysShown, started));

  Marks fieldMarks = FieldBlockMarks(scriptLines);
  std::vector<CohortBlock> cohortBlocks = CohortBlocks(scriptLines);
  // A request the script starts but never hands over keeps the marks' first
  // value, as its field block does.
  const CohortBlock unmarked;
  MilitaryRequests requests;
  const long long read = std::min<long long>(shown, static_cast<long long>(maxEntries));
  requests.notRead = std::max<long long>(shown - read, 0);
  for (long long r = 0; r < read; ++r) {
    MilitaryRequestEntry entry;
    ReadFields(scriptLines, fieldMarks.Get(static_cast<std::size_t>(r)),
               fieldMarks.Get(static_cast<std::size_t>(r) + 1), entry);
    ReadCohorts(scriptLines,
                r < static_cast<long long>(cohortBlocks.size())
                    ? cohortBlocks[static_cast<std::size_t>(r)]
                    : unmarked,
                entry);
    requests.entries.push_back(std::move(entry));
  }
  return requests;
}

}  // namespace lister
