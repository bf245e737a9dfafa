// Stands in for the browser in the GUI test of the "Katalog" button: the test
// registers it as the program that opens .html files, and it writes into
// "geoeffnet.txt" beside itself (UTF-8) the file it was asked to open and, on
// a second line, the file name of the program that started it, so that the
// test sees what was opened and by whom.
#include <windows.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

namespace {

// "" when the parent has ended already.
std::wstring ParentName() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return {};
  std::vector<PROCESSENTRY32W> processes;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
    processes.push_back(entry);
  CloseHandle(snapshot);
  DWORD parent = 0;
  for (const PROCESSENTRY32W& process : processes)
    if (process.th32ProcessID == GetCurrentProcessId()) parent = process.th32ParentProcessID;
  for (const PROCESSENTRY32W& process : processes)
    if (parent != 0 && process.th32ProcessID == parent) return process.szExeFile;
  return {};
}

std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size,
                      nullptr, nullptr);
  return utf8;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring parent = ParentName();
  wchar_t self[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring record(self, length);
  record = record.substr(0, record.find_last_of(L'\\') + 1) + L"geoeffnet.txt";
  const std::string text = Utf8(argc > 1 ? argv[1] : L"") + "\n" + Utf8(parent);
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
