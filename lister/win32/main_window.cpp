#include "main_window.h"

#include <commctrl.h>

#include <utility>

#include "component_name.h"
#include "error_report.h"
#include "game_install.h"
#include "katalog_launcher.h"
#include "label_control.h"
#include "layout.h"
#include "message_box.h"
#include "pages.h"
#include "scenario_folder.h"
#include "scenario_loader.h"
#include "system_error.h"
#include "texts.h"
#include "wide.h"
#include "window_builder.h"

namespace lister {
namespace {

constexpr wchar_t kMainClass[] = L"TMain";
// A fixed frame with the system menu and the close box only.
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kMainExStyle = WS_EX_CONTROLPARENT;
// Posted by the watch of katalog.exe when it has ended.
constexpr UINT kKatalogEnded = WM_APP + 1;

}  // namespace

const MainWindow::Command MainWindow::kCommands[6] = {
    {"SCNFilesList", LBN_SELCHANGE, &MainWindow::SCNFilesListClick},
    {"CityList", LBN_SELCHANGE, &MainWindow::CityListClick},
    {"REQList", LBN_SELCHANGE, &MainWindow::REQListClick},
    {"Beenden", BN_CLICKED, &MainWindow::BeendenClick},
    {"OpenAbout", BN_CLICKED, &MainWindow::OpenAboutClick},
    {"Katalog", BN_CLICKED, &MainWindow::KatalogClick},
};

void MainWindow::RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass = WindowClass(instance, kMainClass);
  windowClass.hIcon =
      static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                    GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  lister::RegisterWindowClass(windowClass);
}

bool MainWindow::Create(HINSTANCE instance) {
  SIZE size = WindowSizeForClient(kMainLayout, kMainStyle, kMainExStyle);
  return CreateTopLevel(kMainExStyle, kMainClass, kMainStyle, CW_USEDEFAULT, CW_USEDEFAULT, size,
                        nullptr, instance) != nullptr;
}

void MainWindow::Show(int showCommand) {
  RECT frame;
  GetWindowRect(Handle(), &frame);
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  int width = frame.right - frame.left;
  int height = frame.bottom - frame.top;
  SetWindowPos(Handle(), nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(Handle(), showCommand);
  UpdateWindow(Handle());
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate() ? 0 : -1;
    case WM_COMMAND: OnCommand(wParam, lParam); return 0;
    case WM_NOTIFY: OnNotify(*reinterpret_cast<const NMHDR*>(lParam)); return 0;
    case WM_ACTIVATE: OnActivate(LOWORD(wParam)); return 0;
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case kKatalogEnded: OnKatalogEnded(); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
  }
  return DefaultHandling(message, wParam, lParam);
}

bool MainWindow::OnCreate() {
  SetComponentName(Handle(), L"TMain");
  SetDefaultLabelTextColor(Handle(), RGB(0, 0, 0));
  platform_.SetMainWindow(Handle());
  bool gameFound = true;
  RunHandler(Handle(), [&] {
    BuildWindowLayout(Handle(), kMainLayout, controls_);
    RouteCommands(controls_, kCommands);
    view_ = std::make_unique<Win32View>(controls_, fonts_.Get(kTextFontFamily, 11));
    gameFound = FormCreate();
  });
  return gameFound;
}

bool MainWindow::FormCreate() {
  std::wstring gamePath = ReadInstallLocation();
  if (gamePath.empty()) {
    ShowMessageBox(nullptr, Widen(german::kNoGameInstalled), Widen(german::kStartErrorTitle));
    return false;
  }
  scenarioDir_ = Narrow(gamePath + L"\\Data\\Scenarios\\");
  PrepareScenarioFolder();
  RegisterPrivateFonts();
  SelectFirstEntries();
  SetWindowFonts();
  LoadSelectedScenario();
  return true;
}

void MainWindow::PrepareScenarioFolder() {
  std::wstring folder = Widen(scenarioDir_);
  ClearFileAttributes(folder);
  analyzerLock_ = ExtractAnalyzer(folder + L"analyzer.exe");
  // The hidden file list Dummy stands for the working directory: the analyzer
  // and the text files are opened by bare name relative to it.
  if (!SetCurrentDirectoryW(folder.c_str())) {
    const DWORD code = GetLastError();
    throw SystemFailure(german::FillIn(german::kCannotOpen, {scenarioDir_}), code);
  }
  for (const std::wstring& name : ListScenarioFiles(folder)) {
    view_->AddListItem("SCNFilesList", Narrow(name));
  }
}

void MainWindow::SelectFirstEntries() {
  TabCtrl_SetCurSel(controls_.Find("PG1"), 0);
  TabCtrl_SetCurSel(controls_.Find("PGHandel"), 0);
  view_->SelectListItem("SCNFilesList", 0);
}

void MainWindow::SetWindowFonts() {
  HFONT windowFont = fonts_.Get(kTextFontFamily, 11);
  SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(windowFont), FALSE);
  for (size_t i = 0; i < kMainLayout.controlCount; ++i) {
    SendMessageW(controls_.Find(kMainLayout.controls[i].name), WM_SETFONT,
                 reinterpret_cast<WPARAM>(windowFont), TRUE);
  }
  for (const FontSize& size : kMainFontSizes) {
    SendMessageW(controls_.Find(size.control), WM_SETFONT,
                 reinterpret_cast<WPARAM>(fonts_.Get(kTextFontFamily, size.points)), TRUE);
  }
}

// The first load at start-up and every click on the scenario list: the
// selected scenario is loaded, then the pages are filled or the window cleared.
void MainWindow::LoadSelectedScenario() {
  if (view_->SelectedListIndex("SCNFilesList") < 0) {
    ClearScenarioView(*view_);
    view_->SetText("SCNName", german::kNoScenarios);
    return;
  }
  try {
    if (LoadScenario(*view_, platform_, texts_, scenario_, scenarioDir_)) {
      RefreshPages(*view_, scenario_, texts_, pages_);
      return;
    }
  } catch (...) {
    // A report or script that holds no number where one belongs ends the load
    // with the error box; the pages must not keep showing the scenario before.
    ClearScenarioView(*view_);
    throw;
  }
  ClearScenarioView(*view_);
}

void MainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  HWND control = reinterpret_cast<HWND>(lParam);
  if (control == nullptr) return;
  RunHandler(Handle(), [&] { DispatchCommand(control, HIWORD(wParam)); });
}

// The control that had the focus gets it back when the window is activated
// again; at first that is the first control of the focus order.
void MainWindow::OnActivate(WORD state) {
  if (state == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(Handle(), focus)) focused_ = focus;
  }
}

void MainWindow::OnSetFocus() {
  HWND target = focused_ != nullptr && IsWindow(focused_)
                    ? focused_
                    : GetNextDlgTabItem(Handle(), nullptr, FALSE);
  if (target != nullptr) SetFocus(target);
}

void MainWindow::OnNotify(const NMHDR& header) {
  if (header.code == TCN_SELCHANGE) ShowSelectedSheet(header.hwndFrom);
}

void MainWindow::SCNFilesListClick() { LoadSelectedScenario(); }

void MainWindow::CityListClick() { RefreshCityPages(*view_, scenario_, texts_, pages_); }

void MainWindow::REQListClick() { ShowRequest(*view_, scenario_, texts_, pages_); }

void MainWindow::BeendenClick() { SendMessageW(Handle(), WM_CLOSE, 0, 0); }

void MainWindow::OpenAboutClick() {
  if (aboutBox_ == nullptr) return;
  ShowWindow(aboutBox_, SW_SHOW);
  SetForegroundWindow(aboutBox_);
  UpdateWindow(aboutBox_);
}

// The button stays disabled while the katalog.exe it started runs: the player
// sees that the catalogue is on its way, and a second one cannot start over
// it. The check of the held process covers a watch the system refused.
void MainWindow::KatalogClick() {
  if (katalog_.Running()) return;
  katalog_.Reset();
  KatalogLaunch launch = LaunchKatalog(KatalogBesideLister());
  if (!launch.process) {
    ShowMessageBox(nullptr, launch.refusal, Widen(german::kSystemErrorTitle));
    return;
  }
  if (katalog_.Watch(std::move(launch.process), Handle(), kKatalogEnded))
    EnableKatalogButton(false);
}

// A message of an earlier katalog.exe may come after a click started the next.
void MainWindow::OnKatalogEnded() {
  if (katalog_.Running()) return;
  katalog_.Reset();
  EnableKatalogButton(true);
}

// A disabled button keeps no focus: it goes on to the next control.
void MainWindow::EnableKatalogButton(bool enabled) {
  HWND button = controls_.Find("Katalog");
  EnableWindow(button, enabled);
  if (!enabled && GetFocus() == button) SetFocus(GetNextDlgTabItem(Handle(), button, FALSE));
}

void MainWindow::OnDestroy() {
  katalog_.Reset();
  PostQuitMessage(0);
}

}  // namespace lister
