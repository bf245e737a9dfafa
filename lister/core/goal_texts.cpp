#include "goal_texts.h"

namespace lister {

namespace {

constexpr const char* kNoFurtherGoals = "keine weiteren Ziele oder Anforderungen";
constexpr const char* kUserScenarioNote =
    "Beachten Sie den Beschreibungstext des Szenarios hinsichtlich eventuell geforderter "
    "Gebäude, besonderen Kreditbegrenzungen, Zeitlimits und anderen Anweisungen";

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
    view.SetText("ZielInfo", "offenes Spiel");
    view.SetText("ZielNoteInfo", kUserScenarioNote);
    view.SetTextColor("ZielInfo", kMaroon);
    for (const RatingLabel& rating : kRatings) view.SetText(rating.label, "-*-");
    return;
  }
  view.SetText("ZielInfo", "Spielziele");
  view.SetText("ZielNoteInfo",
               scenarioKind == "Userszenario" ? kUserScenarioNote : kNoFurtherGoals);
  view.SetTextColor("ZielInfo", kDarkGrey);
  for (const RatingLabel& rating : kRatings)
    view.SetText(rating.label, texts.Lookup(rating.textId));
}

}  // namespace lister
