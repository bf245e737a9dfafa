// A reader of the JSON texts the catalogue writes (its record and its data),
// for reading them back. It reads without recursion and refuses nesting
// deeper than any of those texts has, so that no file decides how deep the
// program's stack grows, in reading or in freeing what it read.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace katalog {

struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
  bool boolean = false;
  long long number = 0;  // integers only: the catalogue writes no others
  std::string text;
  std::vector<JsonValue> items;
  std::vector<std::pair<std::string, JsonValue>> members;  // in their order

  bool IsNull() const { return kind == Kind::Null; }
  // The member of that name; a null value when there is none.
  const JsonValue& operator[](const std::string& name) const;
  const JsonValue& operator[](std::size_t index) const { return items.at(index); }
};

inline constexpr int kMaxJsonDepth = 32;

// The value of the whole text, or nothing when it is not JSON (or nests
// deeper than kMaxJsonDepth, or holds a number that is not an integer of 64
// bits); `where` then says at which byte.
std::optional<JsonValue> ReadJson(const std::string& text, std::size_t* where = nullptr);

}  // namespace katalog
