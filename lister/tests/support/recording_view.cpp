#include "recording_view.h"

namespace lister {

const RecordedControl* RecordingView::Find(const std::string& name) const {
  auto it = controls_.find(name);
  return it == controls_.end() ? nullptr : &it->second;
}

void RecordingView::SetText(const std::string& control, const std::string& text) {
  controls_[control].text = text;
  controls_[control].rich.clear();
}

std::string RecordingView::GetText(const std::string& control) const {
  const RecordedControl* c = Find(control);
  return c ? c->text : std::string();
}

void RecordingView::SetTextColor(const std::string& control, Rgb color) {
  controls_[control].color = color;
  controls_[control].colorSet = true;
}

void RecordingView::ClearList(const std::string& list) {
  controls_[list].items.clear();
  controls_[list].selected = -1;
}

void RecordingView::AddListItem(const std::string& list, const std::string& item) {
  controls_[list].items.push_back(item);
}

void RecordingView::SelectListItem(const std::string& list, int index) {
  RecordedControl& c = controls_[list];
  c.selected = (index >= 0 && index < static_cast<int>(c.items.size())) ? index : -1;
}

int RecordingView::SelectedListIndex(const std::string& list) const {
  const RecordedControl* c = Find(list);
  return c ? c->selected : -1;
}

std::string RecordingView::ListItem(const std::string& list, int index) const {
  const RecordedControl* c = Find(list);
  if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return {};
  return c->items[static_cast<size_t>(index)];
}

void RecordingView::ShowBitmap(const std::string& picture, const std::string& resourceName) {
  controls_[picture].picture = resourceName;
}

void RecordingView::ShowPicture(const std::string& picture, const RgbPicture& image) {
  controls_[picture].picture =
      "picture " + std::to_string(image.width) + "x" + std::to_string(image.height);
}

void RecordingView::ClearPicture(const std::string& picture) { controls_[picture].picture.clear(); }

void RecordingView::SetVisible(const std::string& control, bool visible) {
  controls_[control].visible = visible;
}

void RecordingView::ClearRichText(const std::string& pane) {
  controls_[pane].rich.clear();
  controls_[pane].text.clear();
  controls_[pane].scrolledToTop = false;
}

void RecordingView::AppendLine(const std::string& pane, const std::string& line) {
  controls_[pane].rich.push_back({line, false, {0, 0, 0}});
}

void RecordingView::AppendHeading(const std::string& pane, const std::string& line, Rgb color) {
  controls_[pane].rich.push_back({line, true, color});
}

void RecordingView::ScrollToTop(const std::string& pane) { controls_[pane].scrolledToTop = true; }

void RecordingView::RemoveChildren(const std::string& page) { controls_[page].children.clear(); }

void RecordingView::CreateLabel(const std::string& page, const std::string& name,
                                const std::string& text, Rect rect, LabelStyle style) {
  controls_[page].children.push_back({name, "label", text, rect, style});
}

void RecordingView::CreateImage(const std::string& page, const std::string& name,
                                const std::string& resourceName, Rect rect) {
  controls_[page].children.push_back({name, "image", resourceName, rect, {}});
}

std::vector<std::string> RecordingView::RichTexts(const std::string& pane) const {
  std::vector<std::string> texts;
  if (const RecordedControl* c = Find(pane))
    for (const RichLine& line : c->rich) texts.push_back(line.text);
  return texts;
}

}  // namespace lister
