// The program's main sequence: the application and its title, the main
// window (whose creation runs the start-up), the hidden about box, and the
// message loop until the main window closes.
#include <windows.h>
#include <objbase.h>

#include "about_box.h"
#include "error_report.h"
#include "main_window.h"
#include "window_builder.h"

namespace {

// Keyboard navigation (Tab, arrow keys) in the main window and the about box.
bool IsNavigationMessage(MSG& message, HWND mainWindow, HWND aboutBox) {
  for (HWND window : {mainWindow, aboutBox}) {
    if (window != nullptr && IsWindowVisible(window) && IsChild(window, message.hwnd) &&
        IsDialogMessageW(window, &message)) {
      return true;
    }
  }
  return false;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  // The lister runs elevated: libraries it loads come from the system folder
  // only, never from its own folder or the scenario folder it works in.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  bool registered = false;
  lister::RunHandler(nullptr, [&] {
    lister::RegisterControlClasses(instance);
    lister::MainWindow::RegisterWindowClass(instance);
    lister::AboutBox::RegisterWindowClass(instance);
    registered = true;
  });
  if (!registered) {
    CoUninitialize();
    return 1;
  }

  int exitCode = 0;
  {
    lister::MainWindow mainWindow;
    if (mainWindow.Create(instance)) {
      lister::AboutBox aboutBox;
      aboutBox.Create(instance, mainWindow.Handle());
      mainWindow.SetAboutBox(aboutBox.Handle());
      mainWindow.Show(showCommand);

      MSG message;
      while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsNavigationMessage(message, mainWindow.Handle(), aboutBox.Handle())) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
      exitCode = static_cast<int>(message.wParam);
    }
  }
  CoUninitialize();
  return exitCode;
}
