// The page's files: index.html (the sealed template with the catalogue's row
// table filled in), the search file it loads once its rows are shown, and the
// fonts file. Described in docs/katalog-json.md.
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

inline constexpr char kFontsFile[] = "bilder/schriften.js";

struct PageFiles {
  std::string page;        // index.html
  std::string searchPath;  // daten/suche-<digest of its bytes>.js
  std::string search;
};

// The page and its search file from the window's captions (control, text)
// and the scenario objects of szenarien.json, in its order. False when an
// object does not read back.
bool MakePageFiles(const std::vector<std::pair<std::string, std::string>>& captions,
                   const std::vector<std::string>& scenarios, PageFiles& files);

// bilder/schriften.js: the lister's fonts as base64, handed to the page.
std::string FontsScript();

}  // namespace katalog
