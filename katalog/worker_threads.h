// Running the same work on several threads at once. The Windows build's
// runtime has no std::thread, so the threads are the platform's own there.
#pragma once

#include <functional>

namespace katalog {

// The number of processors the system offers, at least 1.
int ProcessorCount();

// Runs work on count threads at once (the calling thread is one of them) and
// returns when every one has returned. work must not throw.
void RunOnThreads(int count, const std::function<void()>& work);

}  // namespace katalog
