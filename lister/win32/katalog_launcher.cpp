#include "katalog_launcher.h"

#include <userenv.h>

#include <memory>

#include "katalog_start.h"
#include "system_error.h"
#include "texts.h"
#include "wide.h"

namespace lister {
namespace {

// The longest path the system's UNICODE_STRING holds.
constexpr DWORD kLongestPath = 32767;

bool RunsUnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// When the token cannot be read the lister counts as elevated, so that it
// never starts katalog.exe with rights it cannot rule out.
bool RunsElevated() {
  HANDLE raw = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) return true;
  UniqueHandle token(raw);
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  if (!GetTokenInformation(token.Get(), TokenElevation, &elevation, sizeof elevation, &size))
    return true;
  return elevation.TokenIsElevated != 0;
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The attribute list that names a new process's parent. Check Error() before use.
class ParentAttribute {
 public:
  explicit ParentAttribute(HANDLE parent) : parent_(parent) {
    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    buffer_ = std::make_unique<unsigned char[]>(size);
    auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(buffer_.get());
    if (!InitializeProcThreadAttributeList(list, 1, 0, &size)) {
      error_ = GetLastError();
      return;
    }
    list_ = list;
    if (!UpdateProcThreadAttribute(list_, 0, PROC_THREAD_ATTRIBUTE_PARENT_PROCESS, &parent_,
                                   sizeof parent_, nullptr, nullptr)) {
      error_ = GetLastError();
    }
  }
  ~ParentAttribute() {
    if (list_ != nullptr) DeleteProcThreadAttributeList(list_);
  }
  ParentAttribute(const ParentAttribute&) = delete;
  ParentAttribute& operator=(const ParentAttribute&) = delete;

  // 0 when the list is ready, else the system's error code.
  DWORD Error() const { return error_; }
  LPPROC_THREAD_ATTRIBUTE_LIST List() const { return list_; }

 private:
  HANDLE parent_;  // the attribute points at this copy while the list lives
  std::unique_ptr<unsigned char[]> buffer_;
  LPPROC_THREAD_ATTRIBUTE_LIST list_ = nullptr;
  DWORD error_ = 0;
};

// The environment a fresh logon of the process's user gets, not the lister's,
// which may belong to the administrator account that elevated it. Check
// Error() before use.
class UserEnvironment {
 public:
  explicit UserEnvironment(HANDLE process) {
    HANDLE raw = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY | TOKEN_DUPLICATE, &raw)) {
      error_ = GetLastError();
      return;
    }
    UniqueHandle token(raw);
    if (!CreateEnvironmentBlock(&block_, token.Get(), FALSE)) {
      error_ = GetLastError();
      block_ = nullptr;
    }
  }
  ~UserEnvironment() {
    if (block_ != nullptr) DestroyEnvironmentBlock(block_);
  }
  UserEnvironment(const UserEnvironment&) = delete;
  UserEnvironment& operator=(const UserEnvironment&) = delete;

  DWORD Error() const { return error_; }
  void* Block() const { return block_; }

 private:
  void* block_ = nullptr;
  DWORD error_ = 0;
};

// The program in its own folder with a console of its own; with a parent
// and its user's environment when they are given. 0 or the system's error code.
DWORD Start(const std::wstring& program, const ParentAttribute* parent,
            const UserEnvironment* environment, UniqueHandle& process) {
  STARTUPINFOEXW startup{};
  startup.StartupInfo.cb = sizeof startup;
  DWORD flags = CREATE_NEW_CONSOLE;
  if (parent != nullptr) {
    startup.lpAttributeList = parent->List();
    flags |= EXTENDED_STARTUPINFO_PRESENT;
  }
  if (environment != nullptr) flags |= CREATE_UNICODE_ENVIRONMENT;
  std::wstring commandLine = L"\"" + program + L"\"";
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, flags,
                      environment != nullptr ? environment->Block() : nullptr,
                      FolderOf(program).c_str(), &startup.StartupInfo, &started)) {
    return GetLastError();
  }
  CloseHandle(started.hThread);
  process.Reset(started.hProcess);
  return 0;
}

// As a child of the process of the shell's window, which may have ended since
// the decision: then the system's error code, never a start of the lister's own.
DWORD StartThroughShell(const std::wstring& program, UniqueHandle& process) {
  DWORD shellId = 0;
  const HWND shellWindow = GetShellWindow();
  if (shellWindow == nullptr || GetWindowThreadProcessId(shellWindow, &shellId) == 0)
    return ERROR_INVALID_WINDOW_HANDLE;
  UniqueHandle shell(
      OpenProcess(PROCESS_CREATE_PROCESS | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, shellId));
  if (!shell) return GetLastError();
  const UserEnvironment environment(shell.Get());
  if (environment.Error() != 0) return environment.Error();
  const ParentAttribute parent(shell.Get());
  if (parent.Error() != 0) return parent.Error();
  return Start(program, &parent, &environment, process);
}

}  // namespace

std::wstring KatalogBesideLister() {
  std::wstring path(kLongestPath + 1, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), kLongestPath + 1);
  if (length == 0 || length > kLongestPath) {
    const DWORD code = length == 0 ? GetLastError() : ERROR_INSUFFICIENT_BUFFER;
    throw SystemFailure(german::kOwnFolderUnknown, code);
  }
  path.resize(length);
  return FolderOf(path) + L"\\katalog.exe";
}

KatalogLaunch LaunchKatalog(const std::wstring& program) {
  KatalogLaunch launch;
  const std::string folder = Narrow(FolderOf(program));
  if (!IsFile(program)) {
    launch.refusal = Widen(german::FillIn(german::kKatalogMissing, {Narrow(program), folder}));
    return launch;
  }
  DWORD error = 0;
  switch (ChooseKatalogStart({RunsUnderWine(), RunsElevated(), GetShellWindow() != nullptr})) {
    case KatalogStart::Direct: error = Start(program, nullptr, nullptr, launch.process); break;
    case KatalogStart::ThroughShell: error = StartThroughShell(program, launch.process); break;
    case KatalogStart::Refused:
      launch.refusal = Widen(german::FillIn(german::kKatalogNeedsDesktop, {folder}));
      return launch;
  }
  if (error != 0) {
    launch.refusal = Widen(german::FillIn(german::kKatalogNotStarted,
                                          {Narrow(program), Narrow(SystemErrorText(error))}));
  }
  return launch;
}

}  // namespace lister
