#include "json_value.h"

#include <stdexcept>

#include "text_lines.h"

namespace katalog::test {
namespace {

class Parser {
 public:
  explicit Parser(const std::string& text) : text_(text) {}

  JsonValue Document() {
    JsonValue value = Value();
    if (at_ != text_.size()) Fail("text after the value");
    return value;
  }

 private:
  [[noreturn]] void Fail(const char* what) {
    throw std::runtime_error(std::string("JSON: ") + what + " at " + std::to_string(at_));
  }
  char Peek() { return at_ < text_.size() ? text_[at_] : '\0'; }
  void Expect(char c) {
    if (Peek() != c) Fail("unexpected character");
    ++at_;
  }
  bool Literal(const char* word) {
    const std::string w = word;
    if (text_.compare(at_, w.size(), w) != 0) return false;
    at_ += w.size();
    return true;
  }

  JsonValue Value() {
    JsonValue value;
    const char c = Peek();
    if (c == '{') {
      value.kind = JsonValue::Kind::Object;
      ++at_;
      while (Peek() != '}') {
        if (!value.members.empty()) Expect(',');
        std::string name = String();
        Expect(':');
        value.members.emplace_back(std::move(name), Value());
      }
      ++at_;
    } else if (c == '[') {
      value.kind = JsonValue::Kind::Array;
      ++at_;
      while (Peek() != ']') {
        if (!value.items.empty()) Expect(',');
        value.items.push_back(Value());
      }
      ++at_;
    } else if (c == '"') {
      value.kind = JsonValue::Kind::String;
      value.text = String();
    } else if (Literal("null")) {
    } else if (Literal("true") || Literal("false")) {
      value.kind = JsonValue::Kind::Bool;
      value.boolean = text_[at_ - 1] == 'e' && text_[at_ - 2] == 'u';
    } else if (c == '-' || (c >= '0' && c <= '9')) {
      value.kind = JsonValue::Kind::Number;
      std::size_t used = 0;
      value.number = std::stoll(text_.substr(at_, 24), &used);
      at_ += used;
    } else {
      Fail("no value");
    }
    return value;
  }

  unsigned Hex4() {
    if (at_ + 4 > text_.size()) Fail("short escape");
    const unsigned value = static_cast<unsigned>(std::stoul(text_.substr(at_, 4), nullptr, 16));
    at_ += 4;
    return value;
  }

  std::string String() {
    Expect('"');
    std::string out;
    for (;;) {
      if (at_ >= text_.size()) Fail("unterminated string");
      const char c = text_[at_++];
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20) Fail("raw control character");
      if (c != '\\') {
        out += c;
        continue;
      }
      const char e = text_[at_++];
      switch (e) {
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          unsigned code = Hex4();
          if (code >= 0xD800 && code <= 0xDBFF && Literal("\\u"))
            code = 0x10000 + ((code - 0xD800) << 10) + (Hex4() - 0xDC00);
          AppendUtf8(code, out);
          break;
        }
        default: out += e;
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

JsonValue ParseJson(const std::string& text) { return Parser(text).Document(); }

}  // namespace katalog::test
