// Owners of kernel handles: each closes its handle when it goes, on every
// path out of a function, exceptions included.
#pragma once

#include <windows.h>

namespace lister {

template <BOOL(WINAPI* Close)(HANDLE)>
class BasicUniqueHandle {
 public:
  BasicUniqueHandle() = default;
  // Functions that fail return either null or INVALID_HANDLE_VALUE; both are
  // held as empty.
  explicit BasicUniqueHandle(HANDLE handle) { Reset(handle); }
  ~BasicUniqueHandle() { Reset(); }
  BasicUniqueHandle(BasicUniqueHandle&& other) noexcept : handle_(other.Release()) {}
  BasicUniqueHandle& operator=(BasicUniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  BasicUniqueHandle(const BasicUniqueHandle&) = delete;
  BasicUniqueHandle& operator=(const BasicUniqueHandle&) = delete;

  HANDLE Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  HANDLE Release() {
    HANDLE handle = handle_;
    handle_ = nullptr;
    return handle;
  }

  void Reset(HANDLE handle = nullptr) {
    if (handle_ != nullptr) Close(handle_);
    handle_ = handle == INVALID_HANDLE_VALUE ? nullptr : handle;
  }

 private:
  HANDLE handle_ = nullptr;
};

// Files, pipes, processes, threads, events and jobs.
using UniqueHandle = BasicUniqueHandle<CloseHandle>;
// Folder searches of FindFirstFileW.
using UniqueFindHandle = BasicUniqueHandle<FindClose>;

}  // namespace lister
