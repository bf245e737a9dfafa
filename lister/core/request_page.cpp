#include "request_page.h"

#include <string>
#include <vector>

#include "pages.h"
#include "text_util.h"
#include "texts.h"
#include "translation.h"

namespace lister {

namespace {

void ShowNoRequests(View& view, PageState& pages) {
  pages.hasRequests = false;
  view.SetVisible("REQPanel", false);
  view.SetText("TradeRequestsInfo", german::kAbsent);
}

// Report durations are English; the page shows them in German. Longer words
// first, so "years" does not become "Jahrs".
std::string GermanDuration(const std::string& englishDuration) {
  struct Word {
    const char* english;
    const char* german;
  };
  static constexpr Word kWords[] = {
      {"years", "Jahren"}, {"year", "Jahr"},    {"months", "Monaten"},
      {"month", "Monat"},  {"Weeks", "Wochen"}, {"week", "Woche"},
  };
  std::string text = englishDuration;
  for (const Word& word : kWords)
    text = Trim(ReplaceAllIgnoreCase(text, word.english, word.german));
  return text;
}

std::string AfterColon(const std::string& line, int count) {
  return Copy(line, Pos(":", line) + 1, count);
}

struct RequestBlock {
  std::string header;
  std::vector<std::string> lines;  // the header and the field lines
};

RequestBlock FindRequestBlock(const std::vector<std::string>& lines, const PageState& pages,
                              int entry) {
  RequestBlock block;
  if (entry < 0) return block;
  std::string headerMark = std::to_string(entry) + ":";
  std::string nextMark = std::to_string(entry + 1) + ":";
  for (long long i = pages.requestsStart; i <= pages.requestsEnd; ++i) {
    const std::string& line = LineAt(lines, i);
    if (!Contains(line, headerMark)) continue;
    block.header = line;
    block.lines.push_back(line);
    for (long long j = i + 1; j < static_cast<long long>(lines.size()); ++j) {
      const std::string& field = LineAt(lines, j);
      if (field.empty() || Contains(field, nextMark)) break;
      block.lines.push_back(field);
    }
    break;
  }
  return block;
}

// The first line of the block that holds one of the labels, or nullptr.
const std::string* FindField(const RequestBlock& block, const char* label,
                             const char* otherLabel = nullptr) {
  for (const std::string& line : block.lines)
    if (Contains(line, label) || (otherLabel && Contains(line, otherLabel))) return &line;
  return nullptr;
}

std::string DurationField(const RequestBlock& block, const char* label, const char* otherLabel,
                          const char* absent) {
  const std::string* line = FindField(block, label, otherLabel);
  return line ? GermanDuration(AfterColon(*line, 80)) : absent;
}

std::string FavorField(const RequestBlock& block, const char* label, const char* points,
                       const char* absent) {
  const std::string* line = FindField(block, label);
  return line ? german::FillIn(points, {Trim(AfterColon(*line, 4))}) : absent;
}

}  // namespace

void FillRequestList(View& view, const ScenarioState& state, PageState& pages) {
  const std::vector<std::string>& lines = state.reportLines;
  view.ClearList("REQList");
  pages.hasRequests = true;
  pages.requestCount = 0;
  pages.requestsStart = 0;
  pages.requestsEnd = 0;
  for (const std::string& line : lines)
    if (Contains(line, "No orders or requests")) ShowNoRequests(view, pages);
  if (!pages.hasRequests) return;

  std::size_t start = 0;
  while (start < lines.size() && !Contains(lines[start], "Number of orders and requests")) ++start;
  // A report whose scenario chunk ended early lists neither line.
  if (start == lines.size()) {
    ShowNoRequests(view, pages);
    return;
  }
  std::string count = AfterColon(lines[start], 3);
  view.SetText("TradeRequestsInfo", count);
  pages.requestCount = ParseInt(Trim(count));
  for (int entry = 0; entry < pages.requestCount; ++entry)
    view.AddListItem("REQList", german::FillIn(german::kRequestItem, {std::to_string(entry)}));
  pages.requestsStart = static_cast<int>(start);
  view.SetVisible("REQPanel", true);

  // The empty line that closes the section; the report's last line when the
  // section is not closed.
  pages.requestsEnd = static_cast<int>(lines.size()) - 1;
  for (std::size_t i = lines.size(); i-- > start;) {
    if (lines[i].empty()) {
      pages.requestsEnd = static_cast<int>(i);
      break;
    }
  }
}

void ShowRequest(View& view, const ScenarioState& state, const ScenarioTexts& texts,
                 const PageState& pages) {
  int entry = view.SelectedListIndex("REQList");
  view.SetText("REQText",
               entry < 0 ? "" : texts.Lookup("REQUEST_" + std::to_string(entry) + "_BODY"));

  RequestBlock block = FindRequestBlock(state.reportLines, pages, entry);
  // The header reads "<k>: Request for <amount> <good>" or "<k>: Order for ...".
  int amountAt = Pos("for ", block.header) + 4;
  int blank = PosFrom(" ", block.header, amountAt);
  std::string amount = Copy(block.header, amountAt, blank - amountAt);
  std::string englishName = block.header.empty() ? "" : Trim(Copy(block.header, blank, 20));

  view.SetText("REQTime", DurationField(block, "Time of order", "Time of request", ""));
  view.SetText("REQComply", DurationField(block, "Time to comply", nullptr, ""));
  view.SetText("REQRecurs", DurationField(block, "Recurs every", nullptr, german::kAbsent));
  view.SetText("REQReward",
               FavorField(block, "Favor reward", german::kFavorGain, german::kNoFavorGain));
  view.SetText("REQPenalty",
               FavorField(block, "Favor penalty", german::kFavorLoss, german::kNoFavorLoss));
  view.SetText("REQWareCount", amount);
  view.SetText("REQWareName", GoodsText(englishName));
  if (englishName.empty())
    view.ClearPicture("REQWarePicture");
  else
    view.ShowBitmap("REQWarePicture", GoodsBitmapName(englishName));
}

}  // namespace lister
