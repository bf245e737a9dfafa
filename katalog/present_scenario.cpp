#include "present_scenario.h"

#include <exception>

#include "catalogue_platform.h"
#include "city_page.h"
#include "embedded_resources.h"
#include "layout.h"
#include "map_picture.h"
#include "pages.h"
#include "scenario_loader.h"
#include "text_util.h"
#include "texts.h"
#include "window_rows.h"

namespace katalog {
namespace {

constexpr const char* kSlotSides[] = {"SellWare", "BuyWare"};

template <std::size_t N>
std::vector<Label> ReadLabels(const lister::RecordingView& view, const LabelRow (&rows)[N]) {
  std::vector<Label> labels;
  for (const LabelRow& row : rows) {
    Label label{row.value, std::nullopt, view.GetText(row.value), std::nullopt};
    if (row.caption != nullptr) label.caption = view.GetText(row.caption);
    if (row.colored) label.color = view[row.value].color;
    labels.push_back(std::move(label));
  }
  return labels;
}

std::vector<GoodsSlot> ReadGoodsSlots(const lister::RecordingView& view, const std::string& side) {
  std::vector<GoodsSlot> slots;
  for (int slot = 1; slot <= 3; ++slot) {
    const std::string prefix = side + std::to_string(slot);
    GoodsSlot read{view.GetText(prefix + "Name"), view.GetText(prefix + "Count"),
                   GoodsPictureOf(view[prefix + "Picture"].picture)};
    if (read.name.empty() && read.count.empty() && !read.picture) continue;
    slots.push_back(std::move(read));
  }
  return slots;
}

std::vector<City> ReadCities(lister::RecordingView& view, const lister::ScenarioState& state,
                             lister::PageState& pages) {
  std::vector<City> cities;
  const std::vector<std::string> names = view["CityList"].items;
  for (std::size_t i = 0; i < names.size(); ++i) {
    view.SelectListItem("CityList", static_cast<int>(i));
    // The city's own part of a click on it: the rest of the refresh (resources,
    // orders and requests) shows the same for every city, and rereads the
    // whole report each time.
    lister::ShowCityKind(view, state, pages);
    lister::ShowCityGoods(view, state, pages);
    cities.push_back({names[i], !pages.cityHasNoTrade, ReadLabels(view, kCityLabels),
                      ReadGoodsSlots(view, kSlotSides[0]), ReadGoodsSlots(view, kSlotSides[1])});
  }
  return cities;
}

std::vector<Request> ReadRequests(lister::RecordingView& view, const lister::ScenarioState& state,
                                  const lister::ScenarioTexts& texts,
                                  const lister::PageState& pages) {
  std::vector<Request> requests;
  if (!view["REQPanel"].visible) return requests;
  const std::vector<std::string> entries = view["REQList"].items;
  for (std::size_t k = 0; k < entries.size(); ++k) {
    view.SelectListItem("REQList", static_cast<int>(k));
    lister::ShowRequest(view, state, texts, pages);
    requests.push_back({entries[k], GoodsPictureOf(view["REQWarePicture"].picture),
                        ReadLabels(view, kRequestLabels)});
  }
  return requests;
}

std::vector<RichLine> ReadRichLines(const lister::RecordingView& view, const char* pane) {
  std::vector<RichLine> lines;
  for (const lister::RichLine& line : view[pane].rich) {
    lines.push_back({line.text, line.heading,
                     line.heading ? std::optional<lister::Rgb>(line.color) : std::nullopt});
  }
  return lines;
}

// The heading label and, for every good, its label and then its image.
void ReadResourcePage(const lister::RecordingView& view, WindowTexts& window) {
  for (const lister::CreatedControl& child : view["PGRessourcen"].children) {
    if (child.kind == "image") {
      if (!window.resources.empty())
        window.resources.back().picture = GoodsPictureOf(child.content);
    } else if (child.name == "ResourceHeader") {
      window.resourceHeader = child.content;
    } else {
      window.resources.push_back({child.content, std::nullopt});
    }
  }
}

std::string WithFullStop(const std::string& message) {
  if (!message.empty() && message.back() == '.') return message;
  return message + ".";
}

}  // namespace

void CatalogueView::ShowPicture(const std::string& picture, const lister::RgbPicture& image) {
  RecordingView::ShowPicture(picture, image);
  if (picture != "ScnPicture") return;
  thumbnail.reset();
  detail.reset();
  if (image.width <= 0 || image.height <= 0) return;
  MapPictures pictures = MakeMapPictures(image);
  thumbnail = std::move(pictures.thumbnail);
  detail = std::move(pictures.detail);
}

void CatalogueView::ClearPicture(const std::string& picture) {
  RecordingView::ClearPicture(picture);
  if (picture != "ScnPicture") return;
  thumbnail.reset();
  detail.reset();
}

std::vector<std::pair<std::string, std::string>> WindowCaptions() {
  std::vector<std::pair<std::string, std::string>> captions;
  for (const char* control : kCaptionControls) {
    for (std::size_t i = 0; i < lister::kMainLayout.controlCount; ++i) {
      const lister::ControlRow& row = lister::kMainLayout.controls[i];
      if (std::string(row.name) == control) captions.emplace_back(control, row.text);
    }
  }
  return captions;
}

GoodsPicture GoodsPictureOf(const std::string& shownBitmap) {
  if (shownBitmap.empty()) return std::nullopt;
  const std::string name = lister::UpperAscii(shownBitmap);
  if (FindGoodsPicture(name) == nullptr) return std::nullopt;
  return name;
}

WindowTexts ReadWindowTexts(lister::RecordingView& view, const lister::ScenarioState& state,
                            const lister::ScenarioTexts& texts, lister::PageState& pages) {
  WindowTexts window;
  window.labels = ReadLabels(view, kScenarioLabels);
  window.mapSide = state.report.mapSide;
  window.invasionCount = state.script.invasions;
  window.militaryRequestCount = state.script.militaryRequests;
  window.story = view.GetText("Story");
  window.invasions = ReadRichLines(view, "Invasionen");
  window.militaryRequests = ReadRichLines(view, "Anforderungen");
  ReadResourcePage(view, window);
  window.cities = ReadCities(view, state, pages);
  window.requests = ReadRequests(view, state, texts, pages);
  return window;
}

PresentedScenario PresentScenario(const std::string& scenarioDir, const std::string& fileName,
                                  lister::ScenarioTexts& texts) {
  PresentedScenario presented;
  ScenarioEntry& entry = presented.entry;
  entry.file = fileName;
  entry.id = lister::Copy(fileName, 1, lister::CharLength(fileName) - 4);

  CatalogueView view;
  view.ClearList("SCNFilesList");
  view.AddListItem("SCNFilesList", fileName);
  view.SelectListItem("SCNFilesList", 0);
  CataloguePlatform platform(scenarioDir);
  lister::ScenarioState state;
  lister::PageState pages;
  try {
    if (lister::LoadScenario(view, platform, texts, state, scenarioDir)) {
      lister::RefreshPages(view, state, texts, pages);
      entry.window = ReadWindowTexts(view, state, texts, pages);
    }
    if (platform.FirstMessage()) entry.damage = platform.FirstMessage();
  } catch (const std::exception& error) {
    entry.damage = platform.FirstMessage().value_or(
        Damage{lister::german::kApplicationTitle, WithFullStop(error.what())});
  }
  if (entry.damage) entry.window.reset();
  presented.thumbnail = std::move(view.thumbnail);
  presented.detail = std::move(view.detail);
  return presented;
}

}  // namespace katalog
