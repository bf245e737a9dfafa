#include "text_util.h"

#include <climits>
#include <cstddef>

#include "texts.h"

namespace lister {

ConversionError::ConversionError(const std::string& text)
    : std::runtime_error(german::FillIn(german::kNotANumber, {text})) {}

namespace {

bool IsContinuationByte(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte offset of character position pos (from 1); s.size() when past the end.
std::size_t ByteOffsetOf(const std::string& s, int pos) {
  std::size_t offset = 0;
  for (int chars = 1; chars < pos && offset < s.size(); ++chars) {
    ++offset;
    while (offset < s.size() && IsContinuationByte(static_cast<unsigned char>(s[offset]))) ++offset;
  }
  return offset;
}

int CharPositionOf(const std::string& s, std::size_t byteOffset) {
  int chars = 0;
  for (std::size_t i = 0; i <= byteOffset && i < s.size(); ++i)
    if (!IsContinuationByte(static_cast<unsigned char>(s[i]))) ++chars;
  return chars;
}

bool IsTrimmed(unsigned char c) { return c <= ' '; }

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool Contains(const std::string& line, const std::string& text) {
  return line.find(text) != std::string::npos;
}

int Pos(const std::string& text, const std::string& line) { return PosFrom(text, line, 1); }

int PosFrom(const std::string& text, const std::string& line, int from) {
  if (from < 1) from = 1;
  std::size_t start = ByteOffsetOf(line, from);
  if (start > line.size()) return 0;
  std::size_t found = line.find(text, start);
  return found == std::string::npos ? 0 : CharPositionOf(line, found);
}

std::string Copy(const std::string& s, int pos, int count) {
  if (count <= 0) return {};
  if (pos < 1) pos = 1;
  std::size_t begin = ByteOffsetOf(s, pos);
  if (begin >= s.size()) return {};
  std::size_t end = begin;
  for (int chars = 0; chars < count && end < s.size(); ++chars) {
    ++end;
    while (end < s.size() && IsContinuationByte(static_cast<unsigned char>(s[end]))) ++end;
  }
  return s.substr(begin, end - begin);
}

std::string CopyFrom(const std::string& s, int pos) {
  if (pos < 1) pos = 1;
  std::size_t begin = ByteOffsetOf(s, pos);
  return begin >= s.size() ? std::string() : s.substr(begin);
}

int CharLength(const std::string& s) { return s.empty() ? 0 : CharPositionOf(s, s.size() - 1); }

std::string Trim(const std::string& s) {
  std::size_t begin = 0;
  std::size_t end = s.size();
  while (begin < end && IsTrimmed(static_cast<unsigned char>(s[begin]))) ++begin;
  while (end > begin && IsTrimmed(static_cast<unsigned char>(s[end - 1]))) --end;
  return s.substr(begin, end - begin);
}

std::string UpperAscii(const std::string& s) {
  std::string upper = s;
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

std::string ReplaceAllIgnoreCase(const std::string& s, const std::string& from,
                                 const std::string& to) {
  if (from.empty()) return s;
  std::string lowerS;
  std::string lowerFrom;
  for (char c : s) lowerS += LowerAscii(c);
  for (char c : from) lowerFrom += LowerAscii(c);
  std::string result;
  std::size_t start = 0;
  for (std::size_t hit = lowerS.find(lowerFrom); hit != std::string::npos;
       hit = lowerS.find(lowerFrom, start)) {
    result.append(s, start, hit - start);
    result += to;
    start = hit + from.size();
  }
  result.append(s, start, std::string::npos);
  return result;
}

bool TryParseInt(const std::string& text, int& value) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == text.size()) return false;
  long long magnitude = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (!negative && magnitude > INT_MAX) return false;
  value = static_cast<int>(negative ? -magnitude : magnitude);
  return true;
}

int ParseInt(const std::string& text) {
  int value = 0;
  if (!TryParseInt(text, value)) throw ConversionError(text);
  return value;
}

int ParseIntOr(const std::string& text, int fallback) {
  int value = 0;
  return TryParseInt(text, value) ? value : fallback;
}

const std::string& LineAt(const std::vector<std::string>& lines, long long i) {
  static const std::string kNothing;
  return (i >= 0 && i < static_cast<long long>(lines.size())) ? lines[static_cast<std::size_t>(i)]
                                                              : kNothing;
}

}  // namespace lister
