// The fields every window class of the program shares; callers add their
// background, extra bytes or icons before registering.
#pragma once

#include <windows.h>

namespace lister {

inline WNDCLASSEXW BasicWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name;
  return windowClass;
}

}  // namespace lister
