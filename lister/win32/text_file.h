// Reading whole files and turning bytes into text lines, as the lister needs
// them for scenario scripts, text files and the analyzer's output.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lister {

// Reads the whole file, shared for reading and writing; on failure false and
// the system's text for the operation that failed.
bool ReadWholeFile(const std::wstring& path, std::vector<std::uint8_t>& bytes, std::string& error);

// UTF-8 lines: a byte-order mark (UTF-8, UTF-16 LE or BE) decides the
// encoding, else the system's ANSI code page; split at CR LF, LF and CR; a
// break at the very end adds no empty line.
std::vector<std::string> DecodeTextLines(const std::vector<std::uint8_t>& bytes);

}  // namespace lister
