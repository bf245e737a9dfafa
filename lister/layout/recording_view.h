// A view without a window: it knows the controls of a window's layout, starts
// with their design texts, and keeps what the fillers write, by component
// name, so that tests and other programs can read the window's state back.
// A name the window does not have, or an operation that does not fit the
// control's kind, throws UnknownControl: a misspelt name fails at once.
#pragma once

#include <initializer_list>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "layout.h"
#include "view.h"

namespace lister {

class UnknownControl : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

struct RichLine {
  std::string text;
  bool heading = false;
  Rgb color{0, 0, 0};
};

// A control made at run time on a page.
struct CreatedControl {
  std::string name;
  std::string kind;     // "label" or "image"
  std::string content;  // label text or bitmap resource name
  Rect rect{};
  LabelStyle style{};
};

struct RecordedControl {
  ControlKind kind = ControlKind::Label;
  std::string text;
  Rgb color{0, 0, 0};
  bool colorSet = false;
  std::vector<std::string> items;
  int selected = -1;
  std::string picture;  // bitmap name, "picture WxH", or "" when empty
  bool visible = true;
  std::vector<RichLine> rich;
  bool scrolledToTop = false;
  std::vector<CreatedControl> children;  // of a page, in the order they were made
};

class RecordingView : public View {
 public:
  explicit RecordingView(const WindowLayout& layout = kMainLayout);

  // The control of that name; throws UnknownControl when there is none.
  RecordedControl& operator[](const std::string& name);
  const RecordedControl& operator[](const std::string& name) const;
  bool Has(const std::string& name) const { return controls_.count(name) != 0; }

  void SetText(const std::string& control, const std::string& text) override;
  std::string GetText(const std::string& control) const override;
  void SetTextColor(const std::string& control, Rgb color) override;
  void ClearList(const std::string& list) override;
  void AddListItem(const std::string& list, const std::string& item) override;
  void SelectListItem(const std::string& list, int index) override;
  int SelectedListIndex(const std::string& list) const override;
  std::string ListItem(const std::string& list, int index) const override;
  void ShowBitmap(const std::string& picture, const std::string& resourceName) override;
  void ShowPicture(const std::string& picture, const RgbPicture& image) override;
  void ClearPicture(const std::string& picture) override;
  void SetVisible(const std::string& control, bool visible) override;
  void ClearRichText(const std::string& pane) override;
  void AppendLine(const std::string& pane, const std::string& line) override;
  void AppendHeading(const std::string& pane, const std::string& line, Rgb color) override;
  void ScrollToTop(const std::string& pane) override;
  void RemoveChildren(const std::string& page) override;
  void CreateLabel(const std::string& page, const std::string& name, const std::string& text,
                   Rect rect, LabelStyle style) override;
  void CreateImage(const std::string& page, const std::string& name,
                   const std::string& resourceName, Rect rect) override;

  // The rich-text pane's lines as plain texts.
  std::vector<std::string> RichTexts(const std::string& pane) const;

 private:
  // The control of that name if it is of one of the kinds; else throws,
  // naming the operation.
  RecordedControl& Find(const std::string& name, const char* operation,
                        std::initializer_list<ControlKind> kinds);
  const RecordedControl& Find(const std::string& name, const char* operation,
                              std::initializer_list<ControlKind> kinds) const;
  void Create(const std::string& page, const std::string& name, RecordedControl control,
              CreatedControl created);

  std::map<std::string, RecordedControl> controls_;
};

}  // namespace lister
