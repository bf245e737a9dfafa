// Stands in for analyzer.exe in the GUI tests of the lister's bounds. The
// scenario file name decides what it does: a name holding "Endlos" gets a
// report that never ends, written in large blocks so that it reaches the
// lister's bound of output well before its bound of time; one holding
// "Haengt" gets no answer at all.
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
  std::wstring scenario = argc > 1 ? argv[1] : L"";
  if (scenario.find(L"Endlos") != std::wstring::npos) {
    std::string block;
    while (block.size() < 65536) block += "City 1:\r\n  Home city\r\n";
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD written = 0;
    while (WriteFile(output, block.data(), static_cast<DWORD>(block.size()), &written, nullptr)) {
    }
    return 1;
  }
  if (scenario.find(L"Haengt") != std::wstring::npos) Sleep(INFINITE);
  return 0;
}
