// Text helpers with the conventions the lister reads the report and the
// script by: case-sensitive substring tests, character positions counted
// from 1, trimming of blanks and control characters. Texts are UTF-8;
// positions and counts are in characters, not bytes.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace lister {

// A number was expected where the text holds none; the shell shows the
// message in its error box.
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(const std::string& text);
};

bool Contains(const std::string& line, const std::string& text);

// Character position (from 1) of the first occurrence of text in line, 0 when none.
int Pos(const std::string& text, const std::string& line);
// The same, searching from character position `from` on.
int PosFrom(const std::string& text, const std::string& line, int from);

// Up to count characters from character position pos; nothing when pos lies past the end.
std::string Copy(const std::string& s, int pos, int count);
// Everything from character position pos to the end.
std::string CopyFrom(const std::string& s, int pos);
int CharLength(const std::string& s);

// Without blanks and control characters at both ends.
std::string Trim(const std::string& s);

// Letters a to z in upper case; every other character unchanged.
std::string UpperAscii(const std::string& s);

// Every occurrence of `from`, compared without regard to the case of a to z.
std::string ReplaceAllIgnoreCase(const std::string& s, const std::string& from,
                                 const std::string& to);

// A whole decimal number: leading blanks and a sign allowed, nothing else.
bool TryParseInt(const std::string& text, int& value);
// The same, throwing ConversionError when the text is no number.
int ParseInt(const std::string& text);
int ParseIntOr(const std::string& text, int fallback);

// The line at index i, or "" for an index outside the list.
const std::string& LineAt(const std::vector<std::string>& lines, long long i);

}  // namespace lister
