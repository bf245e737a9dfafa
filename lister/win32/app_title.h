// The program's name as the player sees it: the window sets no caption of its
// own, so this title names the program on its error box and its taskbar button.
#pragma once

namespace lister {

inline constexpr wchar_t kApplicationTitle[] = L"Z7 Uzeror 3";

}  // namespace lister
