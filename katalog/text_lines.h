// Bytes of a text file, or of the analyzer's output, as UTF-8 lines, the same
// on every platform: a byte-order mark (UTF-8, UTF-16 LE or BE) decides the
// encoding, else Windows-1252, the code page of a German Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace katalog {

// Split at CR LF, LF and CR; a break at the very end adds no empty line.
// Bytes that do not decode become U+FFFD.
std::vector<std::string> DecodeTextLines(const std::uint8_t* bytes, std::size_t size);

inline std::vector<std::string> DecodeTextLines(const std::string& bytes) {
  return DecodeTextLines(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// The character of a byte in Windows-1252.
std::uint32_t Windows1252CodePoint(std::uint8_t byte);

// The code point as UTF-8.
void AppendUtf8(std::uint32_t codePoint, std::string& out);

// The length of the valid UTF-8 sequence at text[at], or 0 when the byte
// there starts none (overlong forms, surrogates and values above U+10FFFF
// are not valid).
std::size_t ValidUtf8Length(const std::string& text, std::size_t at);

// The text with every byte that is not part of valid UTF-8 replaced by U+FFFD.
std::string ValidUtf8(const std::string& text);

// The text with every control character (C0, DEL and C1) written as \xNN or
// \u00NN, so that a file name cannot move a terminal's cursor or ring its bell.
std::string EscapeControls(const std::string& text);

}  // namespace katalog
