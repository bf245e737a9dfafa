#include "worker_threads.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <system_error>
#include <thread>
#endif

#include <vector>

namespace katalog {

#ifdef _WIN32

namespace {

DWORD WINAPI RunWork(void* work) {
  (*static_cast<const std::function<void()>*>(work))();
  return 0;
}

}  // namespace

int ProcessorCount() {
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  return system.dwNumberOfProcessors > 0 ? static_cast<int>(system.dwNumberOfProcessors) : 1;
}

void RunOnThreads(int count, const std::function<void()>& work) {
  std::vector<HANDLE> threads;
  for (int i = 1; i < count; ++i) {
    HANDLE thread =
        CreateThread(nullptr, 0, RunWork, const_cast<std::function<void()>*>(&work), 0, nullptr);
    // A thread that cannot be made leaves its share to the others.
    if (thread != nullptr) threads.push_back(thread);
  }
  work();
  for (HANDLE thread : threads) {
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
  }
}

#else

int ProcessorCount() {
  const unsigned count = std::thread::hardware_concurrency();
  return count > 0 ? static_cast<int>(count) : 1;
}

void RunOnThreads(int count, const std::function<void()>& work) {
  std::vector<std::thread> threads;
  for (int i = 1; i < count; ++i) {
    try {
      threads.emplace_back(work);
    } catch (const std::system_error&) {
      break;  // a thread that cannot be made leaves its share to the others
    }
  }
  work();
  for (std::thread& thread : threads) thread.join();
}

#endif

}  // namespace katalog
