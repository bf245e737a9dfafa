#include "system_error.h"

#include "texts.h"
#include "wide.h"

namespace lister {

std::wstring SystemErrorText(DWORD code) {
  wchar_t* buffer = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = length > 0
                          ? std::wstring(buffer, length)
                          : Widen(german::FillIn(german::kSystemErrorCode, {std::to_string(code)}));
  if (buffer != nullptr) LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
    text.pop_back();
  }
  return text;
}

SystemFailure::SystemFailure(const std::wstring& what, DWORD code)
    : SystemFailure(Narrow(what), code) {}

SystemFailure::SystemFailure(const std::string& what, DWORD code)
    : std::runtime_error(what + ": " + Narrow(SystemErrorText(code))) {}

}  // namespace lister
