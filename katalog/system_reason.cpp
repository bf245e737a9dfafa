#include "system_reason.h"

#ifdef _WIN32
#include <windows.h>

#include "wide.h"
#endif

#include <cerrno>
#include <cstring>

#include "katalog_texts.h"

namespace katalog {
namespace {

// The reason for one of the errno values, or nullptr.
const char* ReasonOfErrno(int value) {
  switch (value) {
    case EROFS: return german::kReasonReadOnly;
    case EACCES:
    case EPERM: return german::kReasonNoPermission;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return german::kReasonDiskFull;
    case ENOENT: return german::kReasonMissing;
    case ENOTDIR: return german::kReasonNotAFolder;
    case EFBIG: return german::kReasonTooLarge;
    default: return nullptr;
  }
}

std::string FromErrno(int value) {
  const char* reason = ReasonOfErrno(value);
  return reason != nullptr ? reason : std::strerror(value);
}

#ifdef _WIN32

std::string FromWindows(DWORD code) {
  switch (code) {
    case ERROR_WRITE_PROTECT: return german::kReasonReadOnly;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION: return german::kReasonNoPermission;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return german::kReasonDiskFull;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return german::kReasonMissing;
    case ERROR_DIRECTORY: return german::kReasonNotAFolder;
    case ERROR_FILE_TOO_LARGE: return german::kReasonTooLarge;
  }
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = length > 0 ? std::wstring(text, length) : std::wstring();
  LocalFree(text);
  while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' ||
                              message.back() == L'.' || message.back() == L' '))
    message.pop_back();
  return message.empty() ? german::FillIn(german::kReasonCode, {std::to_string(code)})
                         : lister::Narrow(message);
}

#endif

}  // namespace

std::string LastSystemReason() {
#ifdef _WIN32
  return FromWindows(GetLastError());
#else
  return FromErrno(errno);
#endif
}

std::string SystemReason(const std::error_code& error) {
#ifdef _WIN32
  if (error.category() == std::system_category())
    return FromWindows(static_cast<DWORD>(error.value()));
#endif
  return FromErrno(error.value());
}

}  // namespace katalog
