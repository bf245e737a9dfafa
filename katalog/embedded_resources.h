// What the catalogue program carries inside itself, made at build time
// (embed_resources.py): the page's template sealed with its style and script
// (up to its row table), the lister's three fonts, and its banner and goods
// pictures as PNG.
#pragma once

#include <cstddef>
#include <string>

namespace katalog {

struct EmbeddedFile {
  const unsigned char* bytes;
  std::size_t size;
};

struct GoodsPictureFile {
  const char* name;  // the bitmap's name in upper case, "OLIVEOIL"
  EmbeddedFile png;
};

extern const EmbeddedFile kPageTemplate;
extern const EmbeddedFile kFontText;      // "Avery Deluxe"
extern const EmbeddedFile kFontTextBold;  // "Avery Deluxe", bold
extern const EmbeddedFile kFontDisplay;   // "Formal436 BT"
extern const EmbeddedFile kBannerPng;
extern const GoodsPictureFile kGoodsPictures[];
extern const std::size_t kGoodsPictureCount;

// The goods picture of that upper-case name, or nullptr when the lister has none.
const EmbeddedFile* FindGoodsPicture(const std::string& name);

}  // namespace katalog
