// Builds a window's controls from its layout table.
#pragma once

#include <windows.h>

#include "control_registry.h"
#include "layout.h"

namespace lister {

// Registers the window classes of the program's own controls and loads the
// rich-text control; once, before the first window is built.
void RegisterControlClasses(HINSTANCE instance);

// Creates every control of the layout in `window`, names it, registers it,
// sets its design text, applies the tab sizes and the keyboard focus order,
// and shows the first sheet of every page control.
void BuildWindowLayout(HWND window, const WindowLayout& layout, ControlRegistry& controls);

// The window's size for a client area of the layout's size at the system dpi.
SIZE WindowSizeForClient(const WindowLayout& layout, DWORD style, DWORD exStyle);

// Shows the sheet of the page control's selected tab and hides the others.
void ShowSelectedSheet(HWND pageControl);

// Creates one control, as the layout would, in a parent found by the caller;
// used for the controls that the program makes at run time.
HWND CreateLayoutControl(HWND parent, const ControlRow& row, int id);

}  // namespace lister
