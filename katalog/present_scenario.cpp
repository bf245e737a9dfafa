#include "present_scenario.h"

#include <exception>

#include "catalogue_platform.h"
#include "city_page.h"
#include "embedded_resources.h"
#include "map_picture.h"
#include "pages.h"
#include "scenario_loader.h"
#include "text_util.h"
#include "texts.h"

namespace katalog {
namespace {

constexpr const char* kSlotSides[] = {"SellWare", "BuyWare"};

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
    cities.push_back({names[i], view.GetText("CityType"), view.GetText("TradeRouteType"),
                      view.GetText("TradeRouteStatus"), ReadGoodsSlots(view, kSlotSides[0]),
                      ReadGoodsSlots(view, kSlotSides[1])});
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
    requests.push_back({entries[k], view.GetText("REQWareCount"), view.GetText("REQWareName"),
                        GoodsPictureOf(view["REQWarePicture"].picture), view.GetText("REQTime"),
                        view.GetText("REQComply"), view.GetText("REQRecurs"),
                        view.GetText("REQReward"), view.GetText("REQPenalty"),
                        view.GetText("REQText")});
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

GoodsPicture GoodsPictureOf(const std::string& shownBitmap) {
  if (shownBitmap.empty()) return std::nullopt;
  const std::string name = lister::UpperAscii(shownBitmap);
  if (FindGoodsPicture(name) == nullptr) return std::nullopt;
  return name;
}

WindowTexts ReadWindowTexts(lister::RecordingView& view, const lister::ScenarioState& state,
                            const lister::ScenarioTexts& texts, lister::PageState& pages) {
  WindowTexts window;
  for (const char* name : kLabelNames) window.labels.emplace_back(name, view.GetText(name));
  window.goalsColor = view["ZielInfo"].color;
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
