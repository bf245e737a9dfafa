#include "start_without_folder.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>

#include "katalog_texts.h"
#include "wide.h"

namespace katalog {
namespace {

// Only this program is attached: the console was made for it and closes with it.
bool OwnsConsoleAlone() {
  DWORD processes[2];
  return GetConsoleProcessList(processes, 2) == 1;
}

void ShowIfAlone(const std::string& text) {
  if (!OwnsConsoleAlone()) return;
  MessageBoxW(nullptr, lister::Widen(text).c_str(),
              lister::Widen(lister::german::kSystemErrorTitle).c_str(),
              MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

// On the console as UTF-16, so that umlauts show whatever its code page.
void PrintError(const std::string& text) {
  const std::wstring line = lister::Widen(text + "\n");
  HANDLE console = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode;
  DWORD written;
  if (GetConsoleMode(console, &mode)) {
    WriteConsoleW(console, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  } else {
    std::fputs((text + "\n").c_str(), stderr);
  }
}

// The shell may hand the opening to a thread of its own; katalog.exe ends
// right after, so it waits until the shell is done with it (SEE_MASK_NOASYNC).
// A failure is told by katalog.exe itself, so the shell shows no box of its
// own, which would wait unseen when no one watches.
bool OpenInBrowser(const std::string& page) {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const std::wstring file = lister::Widen(page);
  SHELLEXECUTEINFOW execute{};
  execute.cbSize = sizeof execute;
  execute.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  execute.lpVerb = L"open";
  execute.lpFile = file.c_str();
  execute.nShow = SW_SHOWNORMAL;
  const bool opened = ShellExecuteExW(&execute) != FALSE;
  if (SUCCEEDED(com)) CoUninitialize();
  return opened;
}

}  // namespace

int FinishStartWithoutFolder(int status, const std::string& page, const std::string& error) {
  // The run has printed its error already.
  if (status != 0) {
    ShowIfAlone(std::string(german::kButtonFailed) + " " + error);
    return status;
  }
  if (!OpenInBrowser(page)) {
    const std::string message = german::FillIn(german::kPageNotOpened, {page});
    PrintError(message);
    ShowIfAlone(message);
  }
  return status;
}

}  // namespace katalog
