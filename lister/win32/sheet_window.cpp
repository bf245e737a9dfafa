#include "sheet_window.h"
#include "window_class.h"

namespace lister {
namespace {

LRESULT CALLBACK SheetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY: return SendMessageW(GetAncestor(window, GA_ROOT), message, wParam, lParam);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void RegisterSheetClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass = BasicWindowClass(instance, kSheetClass, SheetProc);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  RegisterWindowClass(windowClass);
}

}  // namespace lister
