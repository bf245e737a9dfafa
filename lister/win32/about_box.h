// TAboutForm: the program's name, version, the analyzer's name and credits.
// Made hidden at start-up, shown by "?" without being modal, hidden by "OK".
#pragma once

#include <windows.h>

#include "control_registry.h"
#include "fonts.h"

namespace lister {

class AboutBox {
 public:
  static void RegisterWindowClass(HINSTANCE instance);

  // Creates the box hidden, owned by the main window, centred on the desktop.
  bool Create(HINSTANCE instance, HWND owner);
  HWND Handle() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void FormCreate();
  void CloseAboutClick();

  HWND window_ = nullptr;
  ControlRegistry controls_;
  FontCache fonts_;
};

}  // namespace lister
