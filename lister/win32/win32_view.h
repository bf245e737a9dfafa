// The view of the page fillers over the window's controls, found by their
// component names.
#pragma once

#include <windows.h>

#include "control_registry.h"
#include "fonts.h"
#include "view.h"

namespace lister {

class Win32View : public View {
 public:
  // windowFont is given to the controls made at run time.
  Win32View(ControlRegistry& controls, HFONT windowFont);

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

 private:
  HWND Find(const std::string& control) const { return controls_.Find(control); }
  void Append(HWND pane, const std::wstring& line);
  void Adopt(HWND control, const std::string& name);

  ControlRegistry& controls_;
  HFONT windowFont_;
  int nextRunTimeId_ = 5000;
};

}  // namespace lister
