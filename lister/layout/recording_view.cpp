#include "recording_view.h"

#include <algorithm>
#include <initializer_list>

namespace lister {
namespace {

using K = ControlKind;

// What a control shows before any filler writes it, as the window builds it.
RecordedControl DesignState(const ControlRow& row) {
  RecordedControl control;
  control.kind = row.kind;
  control.visible = (row.flags & kHidden) == 0;
  const std::string text = row.text != nullptr ? row.text : "";
  switch (row.kind) {
    case K::ListBox:
      if (!text.empty()) control.items.push_back(text);
      break;
    case K::Picture: control.picture = text; break;
    case K::FileList:  // its text is a file mask, not shown
    case K::PageControl:
    case K::Panel:
    case K::Shape: break;
    case K::Label:
    case K::Button:
    case K::Sheet:  // the tab's caption
    case K::RichText: control.text = text; break;
  }
  return control;
}

constexpr std::initializer_list<ControlKind> kTextKinds = {K::Label, K::Button, K::RichText};
constexpr std::initializer_list<ControlKind> kListKinds = {K::ListBox, K::FileList};
constexpr std::initializer_list<ControlKind> kPictureKinds = {K::Picture};
constexpr std::initializer_list<ControlKind> kRichKinds = {K::RichText};
constexpr std::initializer_list<ControlKind> kPageKinds = {K::Sheet, K::Panel};
constexpr std::initializer_list<ControlKind> kAnyKind = {
    K::Label, K::ListBox, K::Button, K::PageControl, K::Sheet,
    K::Panel, K::Picture, K::Shape,  K::RichText,    K::FileList};

}  // namespace

RecordingView::RecordingView(const WindowLayout& layout) {
  for (std::size_t i = 0; i < layout.controlCount; ++i)
    controls_[layout.controls[i].name] = DesignState(layout.controls[i]);
}

RecordedControl& RecordingView::Find(const std::string& name, const char* operation,
                                     std::initializer_list<ControlKind> kinds) {
  const auto& self = *this;
  return const_cast<RecordedControl&>(self.Find(name, operation, kinds));
}

const RecordedControl& RecordingView::Find(const std::string& name, const char* operation,
                                           std::initializer_list<ControlKind> kinds) const {
  auto found = controls_.find(name);
  if (found == controls_.end())
    throw UnknownControl(std::string(operation) + ": the window has no control \"" + name + "\"");
  if (std::find(kinds.begin(), kinds.end(), found->second.kind) == kinds.end())
    throw UnknownControl(std::string(operation) + ": \"" + name +
                         "\" is a control of another kind");
  return found->second;
}

RecordedControl& RecordingView::operator[](const std::string& name) {
  return Find(name, "reading", kAnyKind);
}

const RecordedControl& RecordingView::operator[](const std::string& name) const {
  return Find(name, "reading", kAnyKind);
}

void RecordingView::SetText(const std::string& control, const std::string& text) {
  RecordedControl& c = Find(control, "SetText", kTextKinds);
  c.text = text;
  c.rich.clear();
}

std::string RecordingView::GetText(const std::string& control) const {
  return Find(control, "GetText", kTextKinds).text;
}

void RecordingView::SetTextColor(const std::string& control, Rgb color) {
  RecordedControl& c = Find(control, "SetTextColor", kTextKinds);
  c.color = color;
  c.colorSet = true;
}

void RecordingView::ClearList(const std::string& list) {
  RecordedControl& c = Find(list, "ClearList", kListKinds);
  c.items.clear();
  c.selected = -1;
}

void RecordingView::AddListItem(const std::string& list, const std::string& item) {
  Find(list, "AddListItem", kListKinds).items.push_back(item);
}

void RecordingView::SelectListItem(const std::string& list, int index) {
  RecordedControl& c = Find(list, "SelectListItem", kListKinds);
  c.selected = (index >= 0 && index < static_cast<int>(c.items.size())) ? index : -1;
}

int RecordingView::SelectedListIndex(const std::string& list) const {
  return Find(list, "SelectedListIndex", kListKinds).selected;
}

std::string RecordingView::ListItem(const std::string& list, int index) const {
  const RecordedControl& c = Find(list, "ListItem", kListKinds);
  if (index < 0 || index >= static_cast<int>(c.items.size())) return {};
  return c.items[static_cast<std::size_t>(index)];
}

void RecordingView::ShowBitmap(const std::string& picture, const std::string& resourceName) {
  Find(picture, "ShowBitmap", kPictureKinds).picture = resourceName;
}

void RecordingView::ShowPicture(const std::string& picture, const RgbPicture& image) {
  Find(picture, "ShowPicture", kPictureKinds).picture =
      "picture " + std::to_string(image.width) + "x" + std::to_string(image.height);
}

void RecordingView::ClearPicture(const std::string& picture) {
  Find(picture, "ClearPicture", kPictureKinds).picture.clear();
}

void RecordingView::SetVisible(const std::string& control, bool visible) {
  Find(control, "SetVisible", kAnyKind).visible = visible;
}

void RecordingView::ClearRichText(const std::string& pane) {
  RecordedControl& c = Find(pane, "ClearRichText", kRichKinds);
  c.rich.clear();
  c.text.clear();
  c.scrolledToTop = false;
}

void RecordingView::AppendLine(const std::string& pane, const std::string& line) {
  Find(pane, "AppendLine", kRichKinds).rich.push_back({line, false, {0, 0, 0}});
}

void RecordingView::AppendHeading(const std::string& pane, const std::string& line, Rgb color) {
  Find(pane, "AppendHeading", kRichKinds).rich.push_back({line, true, color});
}

void RecordingView::ScrollToTop(const std::string& pane) {
  Find(pane, "ScrollToTop", kRichKinds).scrolledToTop = true;
}

// The page forgets its run-time controls, and so does the window.
void RecordingView::RemoveChildren(const std::string& page) {
  RecordedControl& c = Find(page, "RemoveChildren", kPageKinds);
  for (const CreatedControl& child : c.children) controls_.erase(child.name);
  c.children.clear();
}

void RecordingView::Create(const std::string& page, const std::string& name,
                           RecordedControl control, CreatedControl created) {
  RecordedControl& parent = Find(page, "creating a control", kPageKinds);
  if (Has(name)) throw UnknownControl("creating a control: \"" + name + "\" exists already");
  parent.children.push_back(std::move(created));
  controls_[name] = std::move(control);
}

void RecordingView::CreateLabel(const std::string& page, const std::string& name,
                                const std::string& text, Rect rect, LabelStyle style) {
  RecordedControl label;
  label.kind = K::Label;
  label.text = text;
  Create(page, name, std::move(label), {name, "label", text, rect, style});
}

void RecordingView::CreateImage(const std::string& page, const std::string& name,
                                const std::string& resourceName, Rect rect) {
  RecordedControl image;
  image.kind = K::Picture;
  image.picture = resourceName;
  Create(page, name, std::move(image), {name, "image", resourceName, rect, {}});
}

std::vector<std::string> RecordingView::RichTexts(const std::string& pane) const {
  std::vector<std::string> texts;
  for (const RichLine& line : Find(pane, "RichTexts", kRichKinds).rich) texts.push_back(line.text);
  return texts;
}

}  // namespace lister
