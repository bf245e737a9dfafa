// The window as the page fillers see it: controls addressed by their
// component name. The Win32 shell implements it over window handles; the
// tests implement it with a recording view.
#pragma once

#include <string>

#include "picture.h"

namespace lister {

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kDarkGrey{32, 32, 32};
inline constexpr Rgb kMaroon{128, 0, 0};

// Left, top, width and height in pixels at 96 dpi, relative to the parent.
struct Rect {
  int left, top, width, height;
};

struct LabelStyle {
  bool centreVertically = false;
  bool wrapWords = false;
};

// All texts are UTF-8.
class View {
 public:
  virtual ~View() = default;

  // Labels, buttons and rich-text panes: the whole text.
  virtual void SetText(const std::string& control, const std::string& text) = 0;
  virtual std::string GetText(const std::string& control) const = 0;
  virtual void SetTextColor(const std::string& control, Rgb color) = 0;

  // List boxes. Selecting from code does not run the click handler.
  virtual void ClearList(const std::string& list) = 0;
  virtual void AddListItem(const std::string& list, const std::string& item) = 0;
  virtual void SelectListItem(const std::string& list, int index) = 0;  // -1 clears
  virtual int SelectedListIndex(const std::string& list) const = 0;     // -1 when none
  virtual std::string ListItem(const std::string& list, int index) const = 0;

  // Pictures: a bitmap of the program's resources by name (a name without a
  // resource leaves the picture empty), a decoded picture, or nothing.
  virtual void ShowBitmap(const std::string& picture, const std::string& resourceName) = 0;
  virtual void ShowPicture(const std::string& picture, const RgbPicture& image) = 0;
  virtual void ClearPicture(const std::string& picture) = 0;

  virtual void SetVisible(const std::string& control, bool visible) = 0;

  // Rich-text panes.
  virtual void ClearRichText(const std::string& pane) = 0;
  virtual void AppendLine(const std::string& pane, const std::string& line) = 0;
  virtual void AppendHeading(const std::string& pane, const std::string& line, Rgb color) = 0;
  virtual void ScrollToTop(const std::string& pane) = 0;

  // Controls made at run time on a page (the "Ressourcen" sheet).
  virtual void RemoveChildren(const std::string& page) = 0;
  virtual void CreateLabel(const std::string& page, const std::string& name,
                           const std::string& text, Rect rect, LabelStyle style) = 0;
  virtual void CreateImage(const std::string& page, const std::string& name,
                           const std::string& resourceName, Rect rect) = 0;
};

}  // namespace lister
