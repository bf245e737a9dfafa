#include "component_name.h"

namespace lister {
namespace {

ATOM PropertyAtom() {
  static const ATOM atom = GlobalAddAtomW(L"ComponentName");
  return atom;
}

}  // namespace

void SetComponentName(HWND window, const std::wstring& name) {
  ATOM value = GlobalAddAtomW(name.c_str());
  SetPropW(window, MAKEINTATOM(PropertyAtom()),
           reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(value)));
}

std::wstring ReadComponentName(HWND window) {
  HANDLE value = GetPropW(window, MAKEINTATOM(PropertyAtom()));
  if (value == nullptr) return L"";
  wchar_t name[256];
  UINT length =
      GlobalGetAtomNameW(static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(value)), name, 256);
  return std::wstring(name, length);
}

void ReleaseComponentName(HWND window) {
  HANDLE value = RemovePropW(window, MAKEINTATOM(PropertyAtom()));
  if (value != nullptr) GlobalDeleteAtom(static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(value)));
}

}  // namespace lister
