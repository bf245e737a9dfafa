#include "texts.h"

namespace lister::german {

std::string FillIn(const char* text, std::initializer_list<std::string> values) {
  const std::string pattern = text;
  std::string filled;
  std::size_t from = 0;
  for (const std::string& value : values) {
    const std::size_t mark = pattern.find("{}", from);
    if (mark == std::string::npos) break;
    filled.append(pattern, from, mark - from).append(value);
    from = mark + 2;
  }
  return filled.append(pattern, from, std::string::npos);
}

}  // namespace lister::german
