// Arbitrary bytes as a text file and as a scenario's XML text file: every
// line decoded, every text looked up and every JSON string written is valid
// UTF-8, and no JSON string holds a character that could end the page's
// script element.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "json_writer.h"
#include "pugixml_texts.h"
#include "text_lines.h"

namespace {

void CheckJson(const std::string& text) {
  std::string json;
  katalog::AppendJsonString(json, text);
  if (katalog::ValidUtf8(json) != json || json.find('<') != std::string::npos) std::abort();
  katalog::Description(text, "Rom");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (const std::string& line : katalog::DecodeTextLines(data, size)) {
    if (katalog::ValidUtf8(line) != line) std::abort();
    CheckJson(line);
  }
  katalog::PugixmlTexts texts([](const std::string&, std::string&) { return false; });
  if (texts.LoadBytes(std::string(reinterpret_cast<const char*>(data), size))) {
    for (const char* id : {"OVERVIEW", "SITE_0_FULLNAME", "REQUEST_1_BODY"})
      CheckJson(texts.Lookup(id));
  }
  return 0;
}
