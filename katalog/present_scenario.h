// One scenario as the lister's window shows it: loaded by the lister's core
// into a recording view of the main window, as if it were the first scenario
// the window loads, and read back control by control.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue_data.h"
#include "picture.h"
#include "platform.h"
#include "recording_view.h"
#include "state.h"

namespace katalog {

// The main window's recording view, which also keeps the map picture shown in
// `ScnPicture`, made small at once: the decoded picture is not kept.
class CatalogueView : public lister::RecordingView {
 public:
  void ShowPicture(const std::string& picture, const lister::RgbPicture& image) override;
  void ClearPicture(const std::string& picture) override;

  std::optional<lister::RgbPicture> thumbnail;
  std::optional<lister::RgbPicture> detail;
};

struct PresentedScenario {
  ScenarioEntry entry;  // its picture paths are set when the pictures are written
  std::optional<lister::RgbPicture> thumbnail;
  std::optional<lister::RgbPicture> detail;
};

// Loads the scenario file of that bare name from scenarioDir (which ends in a
// separator): the loader, the page refresh, then every city and every order
// or request selected in turn. A message box or an error that would reach the
// lister's error box makes the scenario damaged.
PresentedScenario PresentScenario(const std::string& scenarioDir, const std::string& fileName,
                                  lister::ScenarioTexts& texts);

// What the window shows after a successful load and page refresh; selects
// every city and every order or request in turn to read them.
WindowTexts ReadWindowTexts(lister::RecordingView& view, const lister::ScenarioState& state,
                            const lister::ScenarioTexts& texts, lister::PageState& pages);

// The texts of the window's pages and headings (kCaptionControls), as the
// window's design gives them: control and text.
std::vector<std::pair<std::string, std::string>> WindowCaptions();

// The goods picture a picture control shows: its bitmap's name in upper case
// when the lister carries a bitmap of that name, else nothing.
GoodsPicture GoodsPictureOf(const std::string& shownBitmap);

}  // namespace katalog
