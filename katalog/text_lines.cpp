#include "text_lines.h"

#include <cstdio>

namespace katalog {
namespace {

constexpr std::uint32_t kReplacement = 0xFFFD;

// Windows-1252 from 0x80 to 0x9F; the five bytes it leaves undefined map to
// the control characters of the same value, as Windows maps them.
constexpr std::uint16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Collects code points and cuts them into lines.
class LineCollector {
 public:
  void Add(std::uint32_t codePoint) {
    if (codePoint == '\n' && afterCr_) {
      afterCr_ = false;
      return;
    }
    afterCr_ = codePoint == '\r';
    if (codePoint == '\r' || codePoint == '\n') {
      lines_.push_back(std::move(line_));
      line_.clear();
      return;
    }
    AppendUtf8(codePoint, line_);
  }
  // Valid UTF-8 taken over as it stands; it holds no line break.
  void AddBytes(const std::string& text, std::size_t at, std::size_t length) {
    afterCr_ = false;
    line_.append(text, at, length);
  }
  std::vector<std::string> Finish() {
    if (!line_.empty()) lines_.push_back(std::move(line_));
    return std::move(lines_);
  }

 private:
  std::vector<std::string> lines_;
  std::string line_;
  bool afterCr_ = false;
};

void DecodeUtf8(const std::string& text, LineCollector& lines) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = ValidUtf8Length(text, at);
    const auto byte = static_cast<unsigned char>(text[at]);
    if (length == 0) {
      lines.Add(kReplacement);
      ++at;
    } else if (length == 1) {
      lines.Add(byte);
      ++at;
    } else {
      lines.AddBytes(text, at, length);
      at += length;
    }
  }
}

void DecodeUtf16(const std::uint8_t* data, std::size_t size, bool bigEndian, LineCollector& lines) {
  auto unitAt = [&](std::size_t i) -> std::uint32_t {
    return bigEndian ? (data[i] << 8) | data[i + 1] : (data[i + 1] << 8) | data[i];
  };
  // An odd last byte is no character and is dropped.
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    const std::uint32_t unit = unitAt(i);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < size) {
      const std::uint32_t low = unitAt(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        lines.Add(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    lines.Add(unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit);
  }
}

void DecodeWindows1252(const std::uint8_t* data, std::size_t size, LineCollector& lines) {
  for (std::size_t i = 0; i < size; ++i) lines.Add(Windows1252CodePoint(data[i]));
}

}  // namespace

std::uint32_t Windows1252CodePoint(std::uint8_t byte) {
  return byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte;
}

void AppendUtf8(std::uint32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::size_t ValidUtf8Length(const std::string& text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char first = byte(at);
  if (first < 0x80) return 1;
  std::size_t length;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (first >= 0xC2 && first <= 0xDF) {
    length = 2;
  } else if (first >= 0xE0 && first <= 0xEF) {
    length = 3;
    if (first == 0xE0) low = 0xA0;   // no overlong forms
    if (first == 0xED) high = 0x9F;  // no surrogates
  } else if (first >= 0xF0 && first <= 0xF4) {
    length = 4;
    if (first == 0xF0) low = 0x90;
    if (first == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  if (byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
  return length;
}

std::string ValidUtf8(const std::string& text) {
  std::string valid;
  valid.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = ValidUtf8Length(text, at);
    if (length == 0) {
      AppendUtf8(kReplacement, valid);
      ++at;
    } else {
      valid.append(text, at, length);
      at += length;
    }
  }
  return valid;
}

std::vector<std::string> DecodeTextLines(const std::uint8_t* data, std::size_t size) {
  LineCollector lines;
  if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF)
    DecodeUtf8(std::string(reinterpret_cast<const char*>(data) + 3, size - 3), lines);
  else if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE)
    DecodeUtf16(data + 2, size - 2, false, lines);
  else if (size >= 2 && data[0] == 0xFE && data[1] == 0xFF)
    DecodeUtf16(data + 2, size - 2, true, lines);
  else
    DecodeWindows1252(data, size, lines);
  return lines.Finish();
}

std::string EscapeControls(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) {
    const unsigned char c = static_cast<unsigned char>(text[at]);
    char escaped[8];
    if (c < 0x20 || c == 0x7F) {
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      out += escaped;
    } else if (c == 0xC2 && at + 1 < text.size() &&
               static_cast<unsigned char>(text[at + 1]) >= 0x80 &&
               static_cast<unsigned char>(text[at + 1]) <= 0x9F) {
      std::snprintf(escaped, sizeof escaped, "\\u%04X",
                    static_cast<unsigned>(static_cast<unsigned char>(text[++at])));
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace katalog
