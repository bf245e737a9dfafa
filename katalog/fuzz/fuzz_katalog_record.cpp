// Arbitrary bytes as a catalogue's record: reading never crashes and never
// nests deeper than its bound, a record that reads names only paths inside
// the catalogue, and what it reads is written back and read again the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "catalogue_record.h"
#include "json_reader.h"

namespace {

// No absolute path, no backslash, no step that is "." or "..".
bool StaysInside(const std::string& path) {
  if (path.empty() || path[0] == '/' || path.find('\\') != std::string::npos) return false;
  for (std::size_t start = 0; start <= path.size();) {
    std::size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    const std::string step = path.substr(start, end - start);
    if (step.empty() || step == "." || step == "..") return false;
    start = end + 1;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  katalog::ReadJson(text);
  katalog::CatalogueRecord record;
  if (!katalog::ParseRecord(text, record)) return 0;
  for (const std::string& path : record.files)
    if (!StaysInside(path) || !katalog::IsCatalogueFilePath(path)) std::abort();
  for (const std::string& path : record.folders)
    if (!StaysInside(path)) std::abort();
  katalog::CatalogueRecord again;
  if (!katalog::ParseRecord(katalog::RecordJson(record), again) || again.files != record.files ||
      again.folders != record.folders || again.program != record.program ||
      again.scenarios.size() != record.scenarios.size())
    std::abort();
  return 0;
}
