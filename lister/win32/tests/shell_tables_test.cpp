// Consistency of the window layout tables and the error box's full-stop rule;
// run under Wine by CTest. A broken table shows up here rather than as a
// window that fails to build at start-up.
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "error_report.h"
#include "layout.h"

namespace {

int failures = 0;

void Expect(bool condition, const std::string& what) {
  if (!condition) {
    std::printf("FAILED: %s\n", what.c_str());
    ++failures;
  }
}

void CheckLayout(const char* windowName, const lister::WindowLayout& layout) {
  using lister::ControlKind;
  std::map<std::string, ControlKind> kinds;
  std::string prefix = std::string(windowName) + ": ";
  for (size_t i = 0; i < layout.controlCount; ++i) {
    const lister::ControlSpec& control = layout.controls[i];
    std::string name = control.name;
    Expect(kinds.count(name) == 0, prefix + name + " is named twice");
    if (control.parent != nullptr) {
      auto parent = kinds.find(control.parent);
      Expect(parent != kinds.end(), prefix + name + " comes before its parent " + control.parent);
      bool inPageControl = parent != kinds.end() && parent->second == ControlKind::PageControl;
      Expect(inPageControl == (control.kind == ControlKind::Sheet),
             prefix + name + ": sheets, and only sheets, belong to page controls");
    } else {
      Expect(control.kind != ControlKind::Sheet,
             prefix + name + " is a sheet outside a page control");
    }
    if (control.kind != ControlKind::Sheet) {
      Expect(control.rect.width > 0 && control.rect.height > 0, prefix + name + " has no size");
    }
    kinds[name] = control.kind;
  }
  for (size_t i = 0; i < layout.tabSizeCount; ++i) {
    auto found = kinds.find(layout.tabSizes[i].pageControl);
    Expect(found != kinds.end() && found->second == ControlKind::PageControl,
           prefix + "tab size of " + layout.tabSizes[i].pageControl + ", which is no page control");
  }
  for (size_t i = 0; i < layout.focusCount; ++i) {
    const char* name = layout.focusOrder[i];
    bool ownControl = false;
    for (size_t j = 0; j < layout.controlCount; ++j) {
      if (name == std::string(layout.controls[j].name))
        ownControl = layout.controls[j].parent == nullptr;
    }
    Expect(ownControl, prefix + "focus order names " + name + ", which is not on the window");
  }
}

std::vector<std::wstring> TabCaptions(const lister::WindowLayout& layout, const char* pageControl) {
  std::vector<std::wstring> captions;
  for (size_t i = 0; i < layout.controlCount; ++i) {
    const lister::ControlSpec& control = layout.controls[i];
    if (control.parent != nullptr && control.parent == std::string(pageControl))
      captions.push_back(control.text);
  }
  return captions;
}

}  // namespace

int main() {
  CheckLayout("TMain", lister::kMainLayout);
  CheckLayout("TAboutForm", lister::kAboutLayout);

  Expect(TabCaptions(lister::kMainLayout, "PG1") ==
             std::vector<std::wstring>{L"Ziele", L"Handel", L"Militär", L"Karte", L"Text"},
         "the tabs of PG1 and their order");
  Expect(TabCaptions(lister::kMainLayout, "PGHandel") ==
             std::vector<std::wstring>{L"Warenhandel", L"Forderungen", L"Ressourcen"},
         "the tabs of PGHandel and their order");
  for (const lister::FontSize& size : lister::kMainFontSizes) {
    bool found = false;
    for (size_t i = 0; i < lister::kMainLayout.controlCount; ++i) {
      found = found || size.control == std::string(lister::kMainLayout.controls[i].name);
    }
    Expect(found, std::string("font size for ") + size.control + ", which the window lacks");
  }

  Expect(lister::WithFullStop(L"Datei fehlt") == L"Datei fehlt.", "a full stop is added");
  Expect(lister::WithFullStop(L"Datei fehlt.") == L"Datei fehlt.", "no second full stop");
  Expect(lister::WithFullStop(L"Fehler!") == L"Fehler!.", "only a full stop counts as one");

  if (failures == 0) std::printf("all layout tables consistent\n");
  return failures == 0 ? 0 : 1;
}
