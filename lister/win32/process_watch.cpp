#include "process_watch.h"

#include <utility>

namespace lister {

bool ProcessWatch::Watch(UniqueHandle process, HWND window, UINT message) {
  Reset();
  process_ = std::move(process);
  window_ = window;
  message_ = message;
  const auto posted = [](void* context, BOOLEAN) {
    const auto* watch = static_cast<const ProcessWatch*>(context);
    PostMessageW(watch->window_, watch->message_, 0, 0);
  };
  if (RegisterWaitForSingleObject(&wait_, process_.Get(), posted, this, INFINITE,
                                  WT_EXECUTEONLYONCE)) {
    return true;
  }
  wait_ = nullptr;
  return false;
}

bool ProcessWatch::Running() const {
  return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

void ProcessWatch::Reset() {
  // Waits for a callback that is posting its message; it does nothing else.
  if (wait_ != nullptr) UnregisterWaitEx(wait_, INVALID_HANDLE_VALUE);
  wait_ = nullptr;
  process_.Reset();
}

}  // namespace lister
