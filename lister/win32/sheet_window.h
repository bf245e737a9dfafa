// A plain container: a tab page sheet or a panel. It shows the button-face
// colour and passes its controls' notifications on to the top-level window,
// whose handlers act on them.
#pragma once

#include <windows.h>

namespace lister {

inline constexpr wchar_t kSheetClass[] = L"Q7Sheet";

void RegisterSheetClass(HINSTANCE instance);

}  // namespace lister
