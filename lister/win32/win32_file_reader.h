// Files read through the lister's FileReader over the Win32 API.
#pragma once

#include <memory>
#include <string>

#include "file_reader.h"

namespace lister {

// The file opened for reading, shared for reading and writing, so that other
// programs may go on using it; nullptr and the system's text when it cannot
// be opened.
std::unique_ptr<FileReader> OpenWin32File(const std::wstring& path, std::string& error);

}  // namespace lister
