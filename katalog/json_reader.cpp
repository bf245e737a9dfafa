#include "json_reader.h"

#include <cstdint>

#include "text_lines.h"

namespace katalog {
namespace {

// An array or object being read, and the member name it goes under.
struct Open {
  JsonValue value;
  std::string name;
};

class Reader {
 public:
  explicit Reader(const std::string& text) : text_(text) {}

  std::optional<JsonValue> Document() {
    std::optional<JsonValue> root;
    std::vector<Open> open;
    std::string name;  // of the next member of the innermost object
    for (;;) {
      Blanks();
      if (!open.empty() && open.back().value.kind == JsonValue::Kind::Object) {
        Open& object = open.back();
        if (Peek() == '}') {
          ++at_;
          if (!Close(open, root)) return std::nullopt;
          if (root) break;
          continue;
        }
        if (!object.value.members.empty() && !Expect(',')) return std::nullopt;
        Blanks();
        if (!String(name)) return std::nullopt;
        Blanks();
        if (!Expect(':')) return std::nullopt;
        Blanks();
      } else if (!open.empty()) {
        if (Peek() == ']') {
          ++at_;
          if (!Close(open, root)) return std::nullopt;
          if (root) break;
          continue;
        }
        if (!open.back().value.items.empty() && !Expect(',')) return std::nullopt;
        Blanks();
      }

      const char c = Peek();
      if (c == '{' || c == '[') {
        if (open.size() >= static_cast<std::size_t>(kMaxJsonDepth)) return std::nullopt;
        ++at_;
        Open container;
        container.value.kind = c == '{' ? JsonValue::Kind::Object : JsonValue::Kind::Array;
        container.name = std::move(name);
        open.push_back(std::move(container));
        continue;
      }
      JsonValue scalar;
      if (!Scalar(scalar)) return std::nullopt;
      if (open.empty()) {
        root = std::move(scalar);
        break;
      }
      Add(open.back().value, std::move(name), std::move(scalar));
    }
    Blanks();
    if (at_ != text_.size()) return std::nullopt;
    return root;
  }

  std::size_t Position() const { return at_; }

 private:
  static void Add(JsonValue& container, std::string name, JsonValue value) {
    if (container.kind == JsonValue::Kind::Object)
      container.members.emplace_back(std::move(name), std::move(value));
    else
      container.items.push_back(std::move(value));
  }

  // The innermost container is complete: into its parent, or the root.
  static bool Close(std::vector<Open>& open, std::optional<JsonValue>& root) {
    Open done = std::move(open.back());
    open.pop_back();
    if (open.empty())
      root = std::move(done.value);
    else
      Add(open.back().value, std::move(done.name), std::move(done.value));
    return true;
  }

  char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
  bool Expect(char c) {
    if (Peek() != c) return false;
    ++at_;
    return true;
  }
  void Blanks() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
      ++at_;
  }
  bool Word(const char* word) {
    const std::string w = word;
    if (text_.compare(at_, w.size(), w) != 0) return false;
    at_ += w.size();
    return true;
  }

  bool Scalar(JsonValue& value) {
    const char c = Peek();
    if (c == '"') {
      value.kind = JsonValue::Kind::String;
      return String(value.text);
    }
    if (Word("null")) return true;
    if (Word("true") || Word("false")) {
      value.kind = JsonValue::Kind::Bool;
      value.boolean = text_[at_ - 1] == 'e' && text_[at_ - 2] == 'u';
      return true;
    }
    if (c == '-' || (c >= '0' && c <= '9')) {
      value.kind = JsonValue::Kind::Number;
      return Integer(value.number);
    }
    return false;
  }

  bool Integer(long long& number) {
    const bool negative = Expect('-');
    const std::size_t first = at_;
    std::uint64_t magnitude = 0;
    while (Peek() >= '0' && Peek() <= '9') {
      const unsigned digit = static_cast<unsigned>(text_[at_++] - '0');
      if (magnitude > (std::uint64_t{INT64_MAX} - digit) / 10) return false;
      magnitude = magnitude * 10 + digit;
    }
    const std::size_t digits = at_ - first;
    if (digits == 0 || (digits > 1 && text_[first] == '0')) return false;
    if (Peek() == '.' || Peek() == 'e' || Peek() == 'E') return false;
    number = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
    return true;
  }

  bool Hex4(unsigned& value) {
    if (at_ + 4 > text_.size()) return false;
    value = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[at_++];
      value <<= 4;
      if (c >= '0' && c <= '9')
        value |= static_cast<unsigned>(c - '0');
      else if (c >= 'a' && c <= 'f')
        value |= static_cast<unsigned>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F')
        value |= static_cast<unsigned>(c - 'A' + 10);
      else
        return false;
    }
    return true;
  }

  // A string, its escapes decoded; a lone surrogate becomes U+FFFD.
  bool String(std::string& out) {
    out.clear();
    if (!Expect('"')) return false;
    for (;;) {
      if (at_ >= text_.size()) return false;
      const char c = text_[at_++];
      if (c == '"') return ValidUtf8(out) == out;
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= text_.size()) return false;
      const char escape = text_[at_++];
      switch (escape) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          unsigned code;
          if (!Hex4(code)) return false;
          if (code >= 0xD800 && code <= 0xDBFF && Word("\\u")) {
            unsigned low;
            if (!Hex4(low)) return false;
            code = low >= 0xDC00 && low <= 0xDFFF
                       ? 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00)
                       : 0xFFFD;
          } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD;
          }
          AppendUtf8(code, out);
          break;
        }
        default: return false;
      }
    }
  }

  const std::string& text_;
  std::size_t at_ = 0;
};

}  // namespace

const JsonValue& JsonValue::operator[](const std::string& name) const {
  static const JsonValue kNull;
  for (const auto& member : members)
    if (member.first == name) return member.second;
  return kNull;
}

std::optional<JsonValue> ReadJson(const std::string& text, std::size_t* where) {
  Reader reader(text);
  std::optional<JsonValue> value = reader.Document();
  if (where != nullptr) *where = reader.Position();
  return value;
}

}  // namespace katalog
