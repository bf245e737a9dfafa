#include "process_runner.h"

#include <windows.h>

#include "system_error.h"
#include "wide.h"

namespace lister {
namespace {

struct Pipe {
  HANDLE read = nullptr;
  HANDLE write = nullptr;
};

// Both ends are made inheritable by CreatePipe; only the write end may reach
// the child, or the read would never see the pipe break.
bool CreateChildPipe(Pipe& pipe) {
  SECURITY_ATTRIBUTES attributes{sizeof attributes, nullptr, TRUE};
  if (!CreatePipe(&pipe.read, &pipe.write, &attributes, 0)) return false;
  SetHandleInformation(pipe.read, HANDLE_FLAG_INHERIT, 0);
  return true;
}

void CloseHandleOnce(HANDLE& handle) {
  if (handle) CloseHandle(handle);
  handle = nullptr;
}

struct DrainJob {
  HANDLE pipe;
  std::vector<std::uint8_t>* bytes;
};

// Reads until the pipe breaks, which happens once every write end is closed.
DWORD WINAPI DrainPipe(void* parameter) {
  auto* job = static_cast<DrainJob*>(parameter);
  std::uint8_t chunk[4096];
  DWORD read = 0;
  while (ReadFile(job->pipe, chunk, sizeof chunk, &read, nullptr) && read > 0)
    job->bytes->insert(job->bytes->end(), chunk, chunk + read);
  return 0;
}

}  // namespace

ProcessResult RunHidden(const std::wstring& program, const std::wstring& argument) {
  ProcessResult result;
  Pipe output, errors;
  if (!CreateChildPipe(output) || !CreateChildPipe(errors)) {
    result.failure = Narrow(SystemErrorText(GetLastError()));
    CloseHandleOnce(output.read);
    CloseHandleOnce(output.write);
    return result;
  }

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  startup.hStdInput = nullptr;
  startup.hStdOutput = output.write;
  startup.hStdError = errors.write;

  std::wstring commandLine = L"\"" + program + L"\" \"" + argument + L"\"";
  PROCESS_INFORMATION process{};
  BOOL created = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                                CREATE_NEW_CONSOLE, nullptr, nullptr, &startup, &process);
  DWORD startError = GetLastError();
  CloseHandleOnce(output.write);
  CloseHandleOnce(errors.write);
  if (!created) {
    result.failure = Narrow(SystemErrorText(startError));
    CloseHandleOnce(output.read);
    CloseHandleOnce(errors.read);
    return result;
  }
  result.started = true;
  CloseHandle(process.hThread);

  DrainJob errorJob{errors.read, &result.errors};
  HANDLE errorReader = CreateThread(nullptr, 0, DrainPipe, &errorJob, 0, nullptr);
  DrainJob outputJob{output.read, &result.output};
  DrainPipe(&outputJob);
  if (errorReader) {
    WaitForSingleObject(errorReader, INFINITE);
    CloseHandle(errorReader);
  } else {
    DrainPipe(&errorJob);
  }
  CloseHandleOnce(output.read);
  CloseHandleOnce(errors.read);

  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hProcess);
  return result;
}

}  // namespace lister
