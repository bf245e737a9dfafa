// A mutex and a condition for the workers of a run. The Windows build's
// runtime (mingw-w64 with win32 threads) has no std::mutex, so there they
// are the platform's own. Mutex is lockable by std::lock_guard.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <chrono>
#include <condition_variable>
#include <mutex>
#endif

namespace katalog {

#ifdef _WIN32

class Mutex {
 public:
  void lock() { AcquireSRWLockExclusive(&lock_); }
  void unlock() { ReleaseSRWLockExclusive(&lock_); }
  SRWLOCK* Native() { return &lock_; }

 private:
  SRWLOCK lock_ = SRWLOCK_INIT;
};

class Condition {
 public:
  // Waits, with the mutex held, until notified or the time is over.
  void WaitFor(Mutex& mutex, unsigned milliseconds) {
    SleepConditionVariableSRW(&condition_, mutex.Native(), milliseconds, 0);
  }
  void NotifyAll() { WakeAllConditionVariable(&condition_); }

 private:
  CONDITION_VARIABLE condition_ = CONDITION_VARIABLE_INIT;
};

#else

class Mutex {
 public:
  void lock() { lock_.lock(); }
  void unlock() { lock_.unlock(); }
  std::mutex& Native() { return lock_; }

 private:
  std::mutex lock_;
};

class Condition {
 public:
  void WaitFor(Mutex& mutex, unsigned milliseconds) {
    std::unique_lock<std::mutex> held(mutex.Native(), std::adopt_lock);
    condition_.wait_for(held, std::chrono::milliseconds(milliseconds));
    held.release();
  }
  void NotifyAll() { condition_.notify_all(); }

 private:
  std::condition_variable condition_;
};

#endif

}  // namespace katalog
