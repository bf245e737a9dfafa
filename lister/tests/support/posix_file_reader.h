// Files on a POSIX system read through the lister's FileReader, for native
// tools and tests that read real files.
#pragma once

#include <memory>
#include <string>

#include "file_reader.h"

namespace lister {

// The file opened for reading; nullptr and the system's reason when it
// cannot be opened.
std::unique_ptr<FileReader> OpenPosixFile(const std::string& path, std::string& error);

}  // namespace lister
