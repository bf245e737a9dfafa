// Stands in for katalog.exe in the GUI test of the "Katalog" button while a
// catalogue is being written: it runs until the test puts a file "weiter"
// beside it (which it removes again), or at most five minutes.
#include <windows.h>

#include <string>

int wmain() {
  wchar_t self[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring release(self, length);
  release = release.substr(0, release.find_last_of(L'\\') + 1) + L"weiter";
  for (int waited = 0; waited < 300000; waited += 50) {
    if (DeleteFileW(release.c_str())) return 0;
    Sleep(50);
  }
  return 1;
}
