// Every message box of the program goes through here: error icon, OK button,
// modal to its owner (or to the program when there is none).
#pragma once

#include <windows.h>

#include <string>

namespace lister {

void ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& title);

}  // namespace lister
