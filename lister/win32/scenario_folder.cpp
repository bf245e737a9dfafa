#include "scenario_folder.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "shipped_scenarios.h"
#include "system_error.h"
#include "texts.h"
#include "unique_handle.h"
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
  UniqueFindHandle search(FindFirstFileW(pattern.c_str(), &entry));
  if (!search) return;
  do {
    visit(entry);
  } while (FindNextFileW(search.Get(), &entry));
}

// The system's reason for the failure that just happened, after the text
// that names the path.
[[noreturn]] void ThrowPathFailure(const char* text, const std::wstring& path) {
  const DWORD code = GetLastError();
  throw SystemFailure(german::FillIn(text, {Narrow(path)}), code);
}

// The analyzer the program carries (resource "ANA").
struct CarriedAnalyzer {
  const void* data;
  DWORD size;
};

CarriedAnalyzer FindCarriedAnalyzer() {
  HRSRC resource = FindResourceW(nullptr, L"ANA", MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  HGLOBAL loaded = resource != nullptr ? LoadResource(nullptr, resource) : nullptr;
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) throw std::runtime_error(german::kNoCarriedAnalyzer);
  return {data, SizeofResource(nullptr, resource)};
}

void WriteAnalyzer(const std::wstring& path, const CarriedAnalyzer& analyzer) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) ThrowPathFailure(german::kCannotCreate, path);
  DWORD written = 0;
  if (!WriteFile(file.Get(), analyzer.data, analyzer.size, &written, nullptr) ||
      written != analyzer.size)
    ThrowPathFailure(german::kCannotWrite, path);
}

// True when the open file holds exactly the carried bytes.
bool HoldsExactly(HANDLE file, const CarriedAnalyzer& analyzer) {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file, &size) || size.QuadPart != analyzer.size) return false;
  const auto* expected = static_cast<const std::uint8_t*>(analyzer.data);
  std::uint8_t chunk[65536];
  for (DWORD offset = 0; offset < analyzer.size;) {
    DWORD read = 0;
    if (!ReadFile(file, chunk, sizeof chunk, &read, nullptr) || read == 0) return false;
    if (read > analyzer.size - offset || std::memcmp(chunk, expected + offset, read) != 0)
      return false;
    offset += read;
  }
  return true;
}

}  // namespace

void ClearFileAttributes(const std::wstring& folder) {
  ForEachEntry(folder + L"*.*", [&](const WIN32_FIND_DATAW& entry) {
    if (!IsDirectory(entry))
      SetFileAttributesW((folder + entry.cFileName).c_str(), FILE_ATTRIBUTE_NORMAL);
  });
}

UniqueHandle ExtractAnalyzer(const std::wstring& path) {
  const CarriedAnalyzer analyzer = FindCarriedAnalyzer();
  WriteAnalyzer(path, analyzer);
  // Open for reading only, shared for reading only: from here on nobody can
  // write, replace, rename or delete it, while the system can still run it.
  // Whatever happened between the write and this open shows in the bytes.
  UniqueHandle lock(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!lock) ThrowPathFailure(german::kCannotOpen, path);
  if (!HoldsExactly(lock.Get(), analyzer))
    throw std::runtime_error(german::FillIn(german::kChangedAfterWriting, {Narrow(path)}));
  return lock;
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
