// Stands in for the browser in the GUI test of the "Katalog" button: the test
// registers it as the program that opens .html files, and it writes into
// "geoeffnet.txt" beside itself (UTF-8) the file it was asked to open and, on
// a second line, the process id of the program that started it: the id, not
// the name, since katalog.exe may well have ended before this program looks.
#include <windows.h>
#include <tlhelp32.h>

#include <string>

// 0 when the system has no list of processes.
DWORD ParentId() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  DWORD parent = 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
    if (entry.th32ProcessID == GetCurrentProcessId()) parent = entry.th32ParentProcessID;
  CloseHandle(snapshot);
  return parent;
}

int wmain(int argc, wchar_t** argv) {
  wchar_t self[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring record(self, length);
  record = record.substr(0, record.find_last_of(L'\\') + 1) + L"geoeffnet.txt";
  const std::wstring opened = argc > 1 ? argv[1] : L"";
  const int size = WideCharToMultiByte(CP_UTF8, 0, opened.data(), static_cast<int>(opened.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, opened.data(), static_cast<int>(opened.size()), text.data(), size,
                      nullptr, nullptr);
  text += "\n" + std::to_string(ParentId());
  // Written under another name first, so that the test never reads half of it.
  const std::wstring partial = record + L".neu";
  HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  return ok && MoveFileExW(partial.c_str(), record.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
