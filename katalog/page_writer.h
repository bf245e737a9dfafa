// The page: the template with the catalogue's data and the lister's fonts
// filled in.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace katalog {

// base64 with the standard alphabet and "=" padding, without line breaks.
std::string Base64(const unsigned char* bytes, std::size_t size);

// Replaces each placeholder by its value in one pass from left to right:
// a value is never searched, so a text in it that looks like a placeholder
// stays. False when a placeholder is missing, out of order or not unique.
bool FillTemplate(const std::string& page,
                  const std::vector<std::pair<std::string, std::string>>& values,
                  std::string& filled);

// index.html from the catalogue's JSON text and the embedded template and fonts.
std::string MakePage(const std::string& catalogueJson);

}  // namespace katalog
