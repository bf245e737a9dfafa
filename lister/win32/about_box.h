// TAboutForm: the program's name, version, the analyzer's name and credits.
// Made hidden at start-up, shown by "?" without being modal, hidden by "OK".
#pragma once

#include <windows.h>

#include "control_registry.h"
#include "fonts.h"
#include "window_class.h"

namespace lister {

class AboutBox : public TopLevelWindow<AboutBox> {
 public:
  // Throws SystemFailure when the system refuses the class.
  static void RegisterWindowClass(HINSTANCE instance);

  // Creates the box hidden, owned by the main window, centred on the desktop.
  bool Create(HINSTANCE instance, HWND owner);

 private:
  friend class TopLevelWindow<AboutBox>;
  static const Command kCommands[1];

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void OnCreate();
  void OnCommand(WPARAM wParam, LPARAM lParam);
  void OnSetFocus();
  void OnClose();

  void FormCreate();
  void CloseAboutClick();

  ControlRegistry controls_;
  FontCache fonts_;
  HWND closeButton_ = nullptr;
};

}  // namespace lister
