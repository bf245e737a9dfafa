#include "message_box.h"

namespace lister {

void ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& title) {
  UINT style = MB_OK | MB_ICONERROR;
  if (owner == nullptr) style |= MB_TASKMODAL;
  MessageBoxW(owner, text.c_str(), title.c_str(), style);
}

}  // namespace lister
