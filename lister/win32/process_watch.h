// A process the window started and waits for without waiting itself: the
// system's thread pool posts a message to the window when the process ends.
#pragma once

#include <windows.h>

#include "unique_handle.h"

namespace lister {

class ProcessWatch {
 public:
  ProcessWatch() = default;
  ~ProcessWatch() { Reset(); }
  ProcessWatch(const ProcessWatch&) = delete;
  ProcessWatch& operator=(const ProcessWatch&) = delete;

  // Holds the process; `message` reaches the window once it has ended. False
  // when the system refuses the wait: the process is held all the same, and
  // Running() still tells whether it runs.
  bool Watch(UniqueHandle process, HWND window, UINT message);
  // True while a held process has not ended.
  bool Running() const;
  // Ends the watch (after a message already on its way has been posted) and
  // closes the process's handle; the process itself goes on.
  void Reset();

 private:
  UniqueHandle process_;
  HANDLE wait_ = nullptr;
  HWND window_ = nullptr;
  UINT message_ = 0;
};

}  // namespace lister
