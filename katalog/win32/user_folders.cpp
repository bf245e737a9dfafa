#include "user_folders.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

namespace katalog {
namespace {

constexpr wchar_t kCatalogueFolderName[] = L"Valdorum Szenarienkatalog";

std::string Utf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length,
                      nullptr, nullptr);
  return utf8;
}

}  // namespace

std::string UserCatalogueFolder() {
  PWSTR folder = nullptr;
  if (FAILED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &folder))) {
    CoTaskMemFree(folder);
    return {};
  }
  std::wstring path = std::wstring(folder) + L"\\" + kCatalogueFolderName;
  CoTaskMemFree(folder);
  return Utf8(path);
}

}  // namespace katalog
