#include "goal_texts.h"

#include "texts.h"

namespace lister {

namespace {

struct RatingLabel {
  const char* label;
  const char* textId;
};

constexpr RatingLabel kRatings[] = {
    {"CultureInfo", "CULTURE"}, {"SecurityInfo", "SECURITY"},     {"ProsperityInfo", "PROSPERITY"},
    {"FavorInfo", "FAVOR"},     {"PopulationInfo", "POPULATION"},
};

}  // namespace

void ShowGoalTexts(View& view, const ScenarioTexts& texts, bool openPlay,
                   const std::string& scenarioKind) {
  if (openPlay) {
    view.SetText("ZielInfo", german::kOpenPlay);
    view.SetText("ZielNoteInfo", german::kUserScenarioNote);
    view.SetTextColor("ZielInfo", kMaroon);
    for (const RatingLabel& rating : kRatings) view.SetText(rating.label, german::kAbsent);
    return;
  }
  view.SetText("ZielInfo", german::kGameGoals);
  view.SetText("ZielNoteInfo", scenarioKind == german::kUserScenario ? german::kUserScenarioNote
                                                                     : german::kNoFurtherGoals);
  view.SetTextColor("ZielInfo", kDarkGrey);
  for (const RatingLabel& rating : kRatings)
    view.SetText(rating.label, texts.Lookup(rating.textId));
}

}  // namespace lister
