// Stands in for analyzer.exe in the GUI tests of the lister's bounds. The
// scenario file name decides what it does: a name holding "Endlos" gets a
// report that never ends, one holding "Haengt" gets no answer at all.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
  std::wstring scenario = argc > 1 ? argv[1] : L"";
  if (scenario.find(L"Endlos") != std::wstring::npos) {
    std::puts("Information for file: Endlos.scn\n");
    for (unsigned city = 0;; ++city) std::printf("City %u:\n  Home city\n", city);
  }
  if (scenario.find(L"Haengt") != std::wstring::npos) Sleep(INFINITE);
  return 0;
}
