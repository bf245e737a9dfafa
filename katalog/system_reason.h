// Why the system refused an operation, in German, for the run's messages:
// read-only, no permission, a full disk, a missing folder, a path through a
// file, a file larger than allowed, or else the system's own words.
#pragma once

#include <string>
#include <system_error>

namespace katalog {

// From errno on Linux and GetLastError on Windows: call it right after the
// call that failed.
std::string LastSystemReason();

// From an error of std::filesystem.
std::string SystemReason(const std::error_code& error);

}  // namespace katalog
