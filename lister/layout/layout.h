// The windows as constant tables: every control with its component name, its
// parent, kind, rectangle (pixels at 96 dpi, relative to the parent's client
// area), design text and look. The Win32 shell builds its windows from these
// tables; the recording view knows the same controls without a window.
#pragma once

#include <cstddef>

#include "view.h"

namespace lister {

enum class ControlKind {
  Label,
  ListBox,
  Button,
  PageControl,  // tabs; its sheets are the controls whose parent it is, in tab order
  Sheet,        // a tab page, filling its page control's display area; text is the tab caption
  Panel,
  Picture,  // text names the picture resource shown until the program replaces it
  Shape,
  RichText,
  FileList,
};

enum LayoutFlag : unsigned {
  kCentred = 1u << 0,     // text centred horizontally
  kTopAligned = 1u << 1,  // text at the top instead of centred vertically
  kWrapWords = 1u << 2,
  kShadowBackground = 1u << 3,  // a background of its own in the button-shadow colour
  kReadOnly = 1u << 4,
  kNoBorder = 1u << 5,
  kButtonFaceBackground = 1u << 6,
  kHidden = 1u << 7,
  kVerticalScrollBar = 1u << 8,
};

struct ControlRow {
  const char* name;
  const char* parent;  // nullptr: the window itself
  ControlKind kind;
  Rect rect;
  const char* text;  // UTF-8: design text, caption, design list item, tab caption or picture
  unsigned flags;
};

struct TabSize {
  const char* pageControl;
  int width, height;
};

struct FontSize {
  const char* control;
  int points;
};

struct WindowLayout {
  int clientWidth, clientHeight;
  const ControlRow* controls;
  std::size_t controlCount;
  const TabSize* tabSizes;
  std::size_t tabSizeCount;
  const char* const* focusOrder;  // the window's own controls, in keyboard focus order
  std::size_t focusCount;
};

extern const WindowLayout kMainLayout;
// Labels of the main window with a size of their own (all in the window's font family).
extern const FontSize kMainFontSizes[4];
extern const WindowLayout kAboutLayout;

}  // namespace lister
