// Arbitrary text as the analyzer's report, lines ending at LF: the one-pass
// index of city headers must find exactly the lines that a substring search
// for "City " + n + ":" finds, for every number it holds and a few more.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "city_page.h"
#include "fuzz_lines.h"
#include "text_util.h"

namespace {

std::vector<std::size_t> LinesContaining(const std::vector<std::string>& lines, int city) {
  std::vector<std::size_t> found;
  const std::string header = "City " + std::to_string(city) + ":";
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lister::Contains(lines[i], header)) found.push_back(i);
  return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> lines = FuzzInputLines(data, size);
  std::map<int, std::vector<std::size_t>> indexed;
  for (const lister::CityHeaderLine& header : lister::IndexCityHeaders(lines))
    indexed[header.city].push_back(header.line);
  for (int city = 0; city < 12; ++city) indexed[city];
  for (const auto& [city, found] : indexed)
    if (found != LinesContaining(lines, city)) std::abort();
  return 0;
}
