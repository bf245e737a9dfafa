// Reading whole files and turning bytes into text lines, as the lister needs
// them for scenario scripts, text files and the analyzer's output.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lister {

// The largest scenario script or text file the lister reads. The game's own
// are a few kilobytes up to some hundred; a larger one is refused with a
// German reason instead of being read into memory whole.
constexpr std::uint64_t kMaxTextFileBytes = 4 * 1024 * 1024;

// Reads the whole file, shared for reading and writing, when it holds at most
// maxBytes; on failure false and the reason: the system's text for the
// operation that failed, or a German text naming the file and the limit.
bool ReadWholeFile(const std::wstring& path, std::uint64_t maxBytes,
                   std::vector<std::uint8_t>& bytes, std::string& error);

// UTF-8 lines: a byte-order mark (UTF-8, UTF-16 LE or BE) decides the
// encoding, else the system's ANSI code page; split at CR LF, LF and CR; a
// break at the very end adds no empty line.
std::vector<std::string> DecodeTextLines(const std::vector<std::uint8_t>& bytes);

}  // namespace lister
