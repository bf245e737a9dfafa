#include "process_runner.h"

#include <array>
#include <memory>

#include "system_error.h"
#include "unique_handle.h"
#include "wide.h"

namespace lister {
namespace {

// Once the child is ended its pipes break at once; this bounds only a system
// that keeps a reading thread waiting all the same.
constexpr DWORD kAfterEndMilliseconds = 5000;

// One output pipe and what came through it.
struct PipeReading {
  UniqueHandle pipe;  // the lister's read end
  std::vector<std::uint8_t> bytes;
  bool overflowed = false;  // more than the limit arrived
  bool failed = false;      // the bytes could not be kept
};

// Shared by the runner and its two reading threads, so that whichever lets go
// last frees it, even a thread the runner had to give up on.
struct Run {
  std::size_t limit = 0;
  UniqueHandle stop;  // set by a reader that overflowed or failed
  PipeReading output;
  PipeReading errors;
};

struct ReaderJob {
  std::shared_ptr<Run> run;
  PipeReading* reading;
};

// Reads until the pipe breaks, which happens once every write end is closed,
// or until the limit is passed. Nothing is thrown out of the thread.
DWORD WINAPI ReadPipe(void* parameter) {
  std::unique_ptr<ReaderJob> job(static_cast<ReaderJob*>(parameter));
  PipeReading& reading = *job->reading;
  try {
    std::uint8_t chunk[65536];
    DWORD read = 0;
    while (ReadFile(reading.pipe.Get(), chunk, sizeof chunk, &read, nullptr) && read > 0) {
      if (reading.bytes.size() + read > job->run->limit) {
        reading.overflowed = true;
        break;
      }
      reading.bytes.insert(reading.bytes.end(), chunk, chunk + read);
    }
  } catch (...) {
    reading.failed = true;
  }
  if (reading.overflowed || reading.failed) SetEvent(job->run->stop.Get());
  return 0;
}

// The thread takes the job over when it starts.
UniqueHandle StartReader(std::unique_ptr<ReaderJob>& job) {
  UniqueHandle thread(CreateThread(nullptr, 0, ReadPipe, job.get(), 0, nullptr));
  if (thread) job.release();
  return thread;
}

// Only the write end may reach the child, or the read would never see the
// pipe break.
bool CreateChildPipe(UniqueHandle& read, UniqueHandle& write) {
  SECURITY_ATTRIBUTES attributes{sizeof attributes, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &attributes, 0)) return false;
  read.Reset(readEnd);
  write.Reset(writeEnd);
  return SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0) != 0;
}

// A job that ends its processes when its last handle closes, and lets a
// crashing child end at once instead of waiting on an error dialog.
UniqueHandle CreateKillOnCloseJob() {
  UniqueHandle job(CreateJobObjectW(nullptr, nullptr));
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags =
      JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_DIE_ON_UNHANDLED_EXCEPTION;
  if (job && !SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits,
                                      sizeof limits))
    job.Reset();
  return job;
}

// Waits until every handle is signalled; false when the stop event comes
// first or the deadline passes.
template <std::size_t N>
bool WaitForAll(HANDLE stop, const std::array<HANDLE, N>& handles, ULONGLONG deadline) {
  std::array<HANDLE, N + 1> waits{};
  waits[0] = stop;
  std::size_t pending = N;
  for (std::size_t i = 0; i < N; ++i) waits[i + 1] = handles[i];
  while (pending > 0) {
    ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    DWORD signalled = WaitForMultipleObjects(static_cast<DWORD>(pending + 1), waits.data(), FALSE,
                                             static_cast<DWORD>(deadline - now));
    std::size_t index = signalled - WAIT_OBJECT_0;
    if (index == 0 || index > pending) return false;  // stopped, timed out or failed
    waits[index] = waits[pending--];
  }
  return true;
}

// Ends the child and everything in its job, then waits for the readers,
// whose pipes break with it. False when a reader still does not end.
bool EndChild(HANDLE job, HANDLE process, const std::array<HANDLE, 2>& readers) {
  if (job) TerminateJobObject(job, 1);
  TerminateProcess(process, 1);
  WaitForSingleObject(process, kAfterEndMilliseconds);
  if (WaitForMultipleObjects(2, readers.data(), TRUE, kAfterEndMilliseconds) == WAIT_OBJECT_0)
    return true;
  for (HANDLE reader : readers) CancelSynchronousIo(reader);
  return WaitForMultipleObjects(2, readers.data(), TRUE, kAfterEndMilliseconds) == WAIT_OBJECT_0;
}

}  // namespace

ProcessResult RunHidden(const std::wstring& program, const std::wstring& argument,
                        const RunLimits& limits) {
  ProcessResult result;
  auto run = std::make_shared<Run>();
  run->limit = limits.maxBytesPerOutput;
  // Everything that allocates comes before the child starts, so no exception
  // can leave between its start and its end.
  auto outputJob = std::make_unique<ReaderJob>(ReaderJob{run, &run->output});
  auto errorsJob = std::make_unique<ReaderJob>(ReaderJob{run, &run->errors});
  std::wstring commandLine = L"\"" + program + L"\" \"" + argument + L"\"";

  run->stop.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  UniqueHandle job = CreateKillOnCloseJob();
  UniqueHandle outputWrite, errorsWrite;
  if (!run->stop || !job || !CreateChildPipe(run->output.pipe, outputWrite) ||
      !CreateChildPipe(run->errors.pipe, errorsWrite)) {
    result.failure = Narrow(SystemErrorText(GetLastError()));
    return result;
  }

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  startup.hStdInput = nullptr;
  startup.hStdOutput = outputWrite.Get();
  startup.hStdError = errorsWrite.Get();

  // Suspended until it is in the job, so nothing it starts escapes the job.
  PROCESS_INFORMATION info{};
  BOOL created =
      CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                     CREATE_NEW_CONSOLE | CREATE_SUSPENDED, nullptr, nullptr, &startup, &info);
  DWORD startError = GetLastError();
  outputWrite.Reset();
  errorsWrite.Reset();
  if (!created) {
    result.failure = Narrow(SystemErrorText(startError));
    return result;
  }
  UniqueHandle process(info.hProcess);
  UniqueHandle mainThread(info.hThread);
  // A system that cannot nest jobs runs the child outside one: the limits
  // below still end it while the lister runs.
  if (!AssignProcessToJobObject(job.Get(), process.Get())) job.Reset();

  UniqueHandle outputReader = StartReader(outputJob);
  UniqueHandle errorsReader = StartReader(errorsJob);
  if (!outputReader || !errorsReader) {
    result.failure = Narrow(SystemErrorText(GetLastError()));
    TerminateProcess(process.Get(), 1);
    return result;
  }
  ResumeThread(mainThread.Get());
  result.started = true;

  const std::array<HANDLE, 2> readers{outputReader.Get(), errorsReader.Get()};
  const ULONGLONG deadline = GetTickCount64() + limits.maxMilliseconds;
  bool ended = WaitForAll<3>(run->stop.Get(), {readers[0], readers[1], process.Get()}, deadline);
  if (!ended) {
    result.cutOff = true;
    // A reader that cannot be made to end keeps the shared state alive; its
    // bytes are not touched here.
    if (!EndChild(job.Get(), process.Get(), readers)) return result;
  }
  for (const PipeReading* reading : {&run->output, &run->errors})
    if (reading->overflowed || reading->failed) result.cutOff = true;
  result.output = std::move(run->output.bytes);
  result.errors = std::move(run->errors.bytes);
  return result;
}

}  // namespace lister
