// The window tables hold together, and the recording view built from them
// knows exactly the window's controls.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "layout.h"
#include "recording_view.h"

namespace lister {
namespace {

void ExpectConsistent(const char* windowName, const WindowLayout& layout) {
  SCOPED_TRACE(windowName);
  std::map<std::string, ControlKind> kinds;
  for (std::size_t i = 0; i < layout.controlCount; ++i) {
    const ControlRow& control = layout.controls[i];
    const std::string name = control.name;
    EXPECT_EQ(kinds.count(name), 0u) << name << " is named twice";
    if (control.parent != nullptr) {
      auto parent = kinds.find(control.parent);
      EXPECT_NE(parent, kinds.end()) << name << " comes before its parent " << control.parent;
      const bool inPageControl =
          parent != kinds.end() && parent->second == ControlKind::PageControl;
      EXPECT_EQ(inPageControl, control.kind == ControlKind::Sheet)
          << name << ": sheets, and only sheets, belong to page controls";
    } else {
      EXPECT_NE(control.kind, ControlKind::Sheet) << name << " is a sheet outside a page control";
    }
    if (control.kind != ControlKind::Sheet) {
      EXPECT_TRUE(control.rect.width > 0 && control.rect.height > 0) << name << " has no size";
    }
    kinds[name] = control.kind;
  }
  for (std::size_t i = 0; i < layout.tabSizeCount; ++i) {
    auto found = kinds.find(layout.tabSizes[i].pageControl);
    EXPECT_TRUE(found != kinds.end() && found->second == ControlKind::PageControl)
        << "tab size of " << layout.tabSizes[i].pageControl << ", which is no page control";
  }
  for (std::size_t i = 0; i < layout.focusCount; ++i) {
    bool ownControl = false;
    for (std::size_t j = 0; j < layout.controlCount; ++j)
      if (layout.focusOrder[i] == std::string(layout.controls[j].name))
        ownControl = layout.controls[j].parent == nullptr;
    EXPECT_TRUE(ownControl) << "focus order names " << layout.focusOrder[i]
                            << ", which is not on the window";
  }
}

std::vector<std::string> TabCaptions(const WindowLayout& layout, const char* pageControl) {
  std::vector<std::string> captions;
  for (std::size_t i = 0; i < layout.controlCount; ++i) {
    const ControlRow& control = layout.controls[i];
    if (control.parent != nullptr && control.parent == std::string(pageControl))
      captions.push_back(control.text);
  }
  return captions;
}

TEST(WindowLayout, TablesHoldTogether) {
  ExpectConsistent("TMain", kMainLayout);
  ExpectConsistent("TAboutForm", kAboutLayout);
  EXPECT_EQ(TabCaptions(kMainLayout, "PG1"),
            (std::vector<std::string>{"Ziele", "Handel", "Militär", "Karte", "Text"}));
  EXPECT_EQ(TabCaptions(kMainLayout, "PGHandel"),
            (std::vector<std::string>{"Warenhandel", "Forderungen", "Ressourcen"}));
  const RecordingView view;
  for (const FontSize& size : kMainFontSizes) EXPECT_TRUE(view.Has(size.control)) << size.control;
}

TEST(RecordingView, StartsAsTheWindowIsBuilt) {
  const RecordingView view;
  EXPECT_EQ(view["ZielInfo"].text, "Szenarioziele");
  EXPECT_EQ(view["MilitaryRequestsLabel"].text, "Militäranforderungen ");
  EXPECT_EQ(view["REQText"].text, "REQForderungstext");
  EXPECT_EQ(view["CityList"].items, std::vector<std::string>{"CityList"});
  EXPECT_TRUE(view["SCNFilesList"].items.empty());
  EXPECT_EQ(view["ScnPicture"].picture, "MAPPLACEHOLDER");
  EXPECT_EQ(view["TabMilitaer"].text, "Militär");
  EXPECT_FALSE(view["Dummy"].visible);

  const RecordingView about(kAboutLayout);
  EXPECT_EQ(about["Versionslabel"].text, "Version 3.2 2017");
  EXPECT_FALSE(about.Has("ZielInfo"));
}

TEST(RecordingView, RefusesNamesTheWindowLacksAndControlsOfAnotherKind) {
  RecordingView view;
  EXPECT_THROW(view.SetText("MapSizeinfo", "grosse Karte"), UnknownControl);
  EXPECT_THROW(view.GetText("CitiesCount"), UnknownControl);
  EXPECT_THROW(view.SelectListItem("REQListe", 0), UnknownControl);
  EXPECT_THROW(view["Nirgends"], UnknownControl);
  EXPECT_THROW(view.AddListItem("CityType", "Roma"), UnknownControl);
  EXPECT_THROW(view.AppendLine("ZielNoteInfo", "Zeile"), UnknownControl);
  EXPECT_THROW(view.ShowBitmap("REQWareName", "GRAIN"), UnknownControl);
  EXPECT_THROW(view.CreateLabel("CityList", "GrainLabel", "Getreide", {}, {}), UnknownControl);
}

TEST(RecordingView, ControlsMadeAtRunTimeAreKnownUntilTheirPageIsCleared) {
  RecordingView view;
  EXPECT_THROW(view.SetText("GRAINLabel", "Getreide"), UnknownControl);
  view.CreateLabel("PGRessourcen", "GRAINLabel", "Getreide", {6, 70, 100, 32}, {true, false});
  view.CreateImage("PGRessourcen", "GRAINImage", "GRAIN", {110, 70, 32, 32});
  EXPECT_EQ(view.GetText("GRAINLabel"), "Getreide");
  EXPECT_EQ(view["GRAINImage"].picture, "GRAIN");
  ASSERT_EQ(view["PGRessourcen"].children.size(), 2u);
  EXPECT_EQ(view["PGRessourcen"].children[1].name, "GRAINImage");
  EXPECT_THROW(view.CreateLabel("PGRessourcen", "GRAINLabel", "", {}, {}), UnknownControl);
  EXPECT_THROW(view.CreateLabel("PGRessourcen", "CityType", "", {}, {}), UnknownControl);

  view.RemoveChildren("PGRessourcen");
  EXPECT_TRUE(view["PGRessourcen"].children.empty());
  EXPECT_FALSE(view.Has("GRAINLabel"));
  EXPECT_THROW(view.ShowBitmap("GRAINImage", "GRAIN"), UnknownControl);
  view.CreateLabel("PGRessourcen", "GRAINLabel", "Getreide", {}, {});
  EXPECT_TRUE(view.Has("GRAINLabel"));
}

}  // namespace
}  // namespace lister
