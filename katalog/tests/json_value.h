// A small reader of JSON text for the tests: enough to read back what the
// catalogue wrote and compare it with what the window shows.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace katalog::test {

struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
  bool boolean = false;
  long long number = 0;
  std::string text;
  std::vector<JsonValue> items;
  std::vector<std::pair<std::string, JsonValue>> members;  // in their order

  bool IsNull() const { return kind == Kind::Null; }
  // The member of that name; a null value when there is none.
  const JsonValue& operator[](const std::string& name) const;
  const JsonValue& operator[](std::size_t index) const { return items.at(index); }
};

// Throws std::runtime_error when the text is not JSON.
JsonValue ParseJson(const std::string& text);

}  // namespace katalog::test
