// TMain, the lister's only working window: the scenario list on the left and
// the tabbed pages on the right. It holds the process-wide scenario state.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "control_registry.h"
#include "fonts.h"
#include "msxml_texts.h"
#include "platform_win32.h"
#include "process_watch.h"
#include "state.h"
#include "unique_handle.h"
#include "win32_view.h"
#include "window_class.h"

namespace lister {

class MainWindow : public TopLevelWindow<MainWindow> {
 public:
  // Throws SystemFailure when the system refuses the class.
  static void RegisterWindowClass(HINSTANCE instance);

  // Creates the window; its creation runs FormCreate. False when the program
  // must end at once because no game installation was found.
  bool Create(HINSTANCE instance);
  void SetAboutBox(HWND aboutBox) { aboutBox_ = aboutBox; }
  // Centres the window on the screen and shows it.
  void Show(int showCommand);

 private:
  friend class TopLevelWindow<MainWindow>;
  static const Command kCommands[6];

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  bool OnCreate();
  void OnCommand(WPARAM wParam, LPARAM lParam);
  void OnNotify(const NMHDR& header);
  void OnActivate(WORD state);
  void OnSetFocus();
  void OnKatalogEnded();
  void OnDestroy();

  // The start-up sequence; false when the game was not found.
  bool FormCreate();
  void PrepareScenarioFolder();
  void SelectFirstEntries();
  void SetWindowFonts();
  void LoadSelectedScenario();

  void SCNFilesListClick();
  void CityListClick();
  void REQListClick();
  void BeendenClick();
  void OpenAboutClick();
  // Starts katalog.exe, which writes the catalogue of the game's scenarios
  // and opens it in the default browser.
  void KatalogClick();
  void EnableKatalogButton(bool enabled);

  HWND aboutBox_ = nullptr;
  HWND focused_ = nullptr;
  ControlRegistry controls_;
  FontCache fonts_;
  std::unique_ptr<Win32View> view_;
  Win32Platform platform_;
  MsxmlScenarioTexts texts_;
  ScenarioState scenario_;
  PageState pages_;
  std::string scenarioDir_;    // UTF-8, ends in a backslash
  UniqueHandle analyzerLock_;  // keeps the written analyzer.exe unchanged while the lister runs
  ProcessWatch katalog_;       // the katalog.exe the button started, while it runs
};

}  // namespace lister
