// Failures of the operating system as exceptions carrying its own text.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

namespace lister {

// The system's message text for an error code, without the trailing line break.
std::wstring SystemErrorText(DWORD code);

// Thrown by a shell step that failed; the message names what failed and why.
class SystemFailure : public std::runtime_error {
 public:
  SystemFailure(const std::wstring& what, DWORD code);
  SystemFailure(const std::string& what, DWORD code);  // what in UTF-8
};

}  // namespace lister
