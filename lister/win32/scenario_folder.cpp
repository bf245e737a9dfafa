#include "scenario_folder.h"

#include <windows.h>

#include <stdexcept>

#include "shipped_scenarios.h"
#include "system_error.h"
#include "wide.h"

namespace lister {
namespace {

bool IsDirectory(const WIN32_FIND_DATAW& entry) {
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Calls visit for every entry matching the pattern.
template <typename Visit>
void ForEachEntry(const std::wstring& pattern, Visit visit) {
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW(pattern.c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    visit(entry);
  } while (FindNextFileW(search, &entry));
  FindClose(search);
}

}  // namespace

void ClearFileAttributes(const std::wstring& folder) {
  ForEachEntry(folder + L"*.*", [&](const WIN32_FIND_DATAW& entry) {
    if (!IsDirectory(entry))
      SetFileAttributesW((folder + entry.cFileName).c_str(), FILE_ATTRIBUTE_NORMAL);
  });
}

void ExtractAnalyzer(const std::wstring& path) {
  HRSRC resource = FindResourceW(nullptr, L"ANA", MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  HGLOBAL loaded = resource != nullptr ? LoadResource(nullptr, resource) : nullptr;
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) throw std::runtime_error("Das Programm enthält kein analyzer.exe");
  DWORD size = SizeofResource(nullptr, resource);

  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    throw SystemFailure(path + L" kann nicht angelegt werden", GetLastError());
  }
  DWORD written = 0;
  BOOL ok = WriteFile(file, data, size, &written, nullptr);
  DWORD error = GetLastError();
  CloseHandle(file);
  if (!ok || written != size) throw SystemFailure(path + L" kann nicht geschrieben werden", error);
}

std::vector<std::wstring> ListScenarioFiles(const std::wstring& folder) {
  std::vector<std::wstring> names;
  ForEachEntry(folder + L"*.scn", [&](const WIN32_FIND_DATAW& entry) {
    if (!IsDirectory(entry) && !IsLeftOutOfScenarioList(Narrow(entry.cFileName))) {
      names.emplace_back(entry.cFileName);
    }
  });
  return names;
}

}  // namespace lister
