// The component name of every window, kept as the window property
// "ComponentName" whose value is a global atom holding the name, so that UI
// tests and automation tools in another process can find controls by name
// (GetPropW, then GlobalGetAtomNameW).
#pragma once

#include <windows.h>

#include <string>

namespace lister {

void SetComponentName(HWND window, const std::wstring& name);
// The name a window carries, or "" when it has none.
std::wstring ReadComponentName(HWND window);
// Gives the name's atom back; for controls destroyed while the program runs.
void ReleaseComponentName(HWND window);

}  // namespace lister
