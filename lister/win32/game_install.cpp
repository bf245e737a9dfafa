#include "game_install.h"

#include <windows.h>

#include <stdexcept>
#include <vector>

#include "texts.h"

namespace lister {
namespace {

constexpr wchar_t kUninstallKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
    L"{5D0A61F3-2B7E-4B8A-9E17-3F2B6D8D4A90}";
constexpr wchar_t kValueName[] = L"InstallLocation";

// Closes the key on every way out.
struct OpenKey {
  HKEY key = nullptr;
  ~OpenKey() {
    if (key != nullptr) RegCloseKey(key);
  }
};

// True when the view holds the value; a string value is returned as stored,
// without expanding variables.
bool ReadFromView(REGSAM view, std::wstring& location) {
  OpenKey open;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_QUERY_VALUE | view, &open.key) !=
      ERROR_SUCCESS) {
    return false;
  }
  DWORD type = 0;
  DWORD size = 0;
  LSTATUS status = RegQueryValueExW(open.key, kValueName, nullptr, &type, nullptr, &size);
  std::vector<BYTE> data(size + 2 * sizeof(wchar_t), 0);
  if (status == ERROR_SUCCESS) {
    status = RegQueryValueExW(open.key, kValueName, nullptr, &type, data.data(), &size);
  }
  if (status != ERROR_SUCCESS) return false;
  if (type != REG_SZ && type != REG_EXPAND_SZ) {
    throw std::runtime_error(german::kInstallLocationNotText);
  }
  location.assign(reinterpret_cast<const wchar_t*>(data.data()));
  return true;
}

}  // namespace

std::wstring ReadInstallLocation() {
  std::wstring location;
  if (ReadFromView(KEY_WOW64_32KEY, location) && !location.empty()) return location;
  if (ReadFromView(KEY_WOW64_64KEY, location)) return location;
  return L"";
}

}  // namespace lister
