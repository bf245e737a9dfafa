#include "user_folders.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include "wide.h"

namespace katalog {
namespace {

constexpr wchar_t kCatalogueFolderName[] = L"Valdorum Szenarienkatalog";

}  // namespace

std::string UserCatalogueFolder() {
  PWSTR folder = nullptr;
  if (FAILED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &folder))) {
    CoTaskMemFree(folder);
    return {};
  }
  std::wstring path = std::wstring(folder) + L"\\" + kCatalogueFolderName;
  CoTaskMemFree(folder);
  return lister::Narrow(path);
}

}  // namespace katalog
