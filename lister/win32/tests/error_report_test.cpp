// The error box's full-stop rule, run under Wine by CTest. (The window tables
// are checked natively, with the recording view.)
#include <windows.h>

#include <cstdio>
#include <string>

#include "error_report.h"

namespace {

int failures = 0;

void Expect(bool condition, const std::string& what) {
  if (!condition) {
    std::printf("FAILED: %s\n", what.c_str());
    ++failures;
  }
}

}  // namespace

int main() {
  Expect(lister::WithFullStop(L"Datei fehlt") == L"Datei fehlt.", "a full stop is added");
  Expect(lister::WithFullStop(L"Datei fehlt.") == L"Datei fehlt.", "no second full stop");
  Expect(lister::WithFullStop(L"Fehler!") == L"Fehler!.", "only a full stop counts as one");

  if (failures == 0) std::printf("the error box's full stop is right\n");
  return failures == 0 ? 0 : 1;
}
