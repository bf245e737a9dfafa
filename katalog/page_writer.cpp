#include "page_writer.h"

#include <stdexcept>

#include "embedded_resources.h"

namespace katalog {

std::string Base64(const unsigned char* bytes, std::size_t size) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((size + 2) / 3 * 4);
  for (std::size_t i = 0; i < size; i += 3) {
    const std::size_t left = size - i;
    const unsigned group =
        (bytes[i] << 16) | (left > 1 ? bytes[i + 1] << 8 : 0) | (left > 2 ? bytes[i + 2] : 0);
    out += kAlphabet[(group >> 18) & 63];
    out += kAlphabet[(group >> 12) & 63];
    out += left > 1 ? kAlphabet[(group >> 6) & 63] : '=';
    out += left > 2 ? kAlphabet[group & 63] : '=';
  }
  return out;
}

bool FillTemplate(const std::string& page,
                  const std::vector<std::pair<std::string, std::string>>& values,
                  std::string& filled) {
  filled.clear();
  std::size_t copied = 0;
  for (const auto& [placeholder, value] : values) {
    const std::size_t at = page.find(placeholder, copied);
    if (at == std::string::npos || page.find(placeholder, at + 1) != std::string::npos ||
        page.find(placeholder) != at)
      return false;
    filled.append(page, copied, at - copied);
    filled += value;
    copied = at + placeholder.size();
  }
  filled.append(page, copied, std::string::npos);
  return true;
}

std::string MakePage(const std::string& catalogueJson) {
  auto text = [](const EmbeddedFile& file) {
    return std::string(reinterpret_cast<const char*>(file.bytes), file.size);
  };
  auto base64 = [](const EmbeddedFile& file) { return Base64(file.bytes, file.size); };
  std::string page;
  // The template is part of the program; one that lacks a placeholder is a
  // fault of the build, not of the scenarios.
  if (!FillTemplate(text(kPageTemplate),
                    {{"{{KATALOG_JSON}}", catalogueJson},
                     {"{{SCHRIFT_TEXT}}", base64(kFontText)},
                     {"{{SCHRIFT_TEXT_FETT}}", base64(kFontTextBold)},
                     {"{{SCHRIFT_ANZEIGE}}", base64(kFontDisplay)}},
                    page))
    throw std::logic_error("the page template lacks a placeholder");
  return page;
}

}  // namespace katalog
