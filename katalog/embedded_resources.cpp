#include "embedded_resources.h"

namespace katalog {

const EmbeddedFile* FindGoodsPicture(const std::string& name) {
  for (std::size_t i = 0; i < kGoodsPictureCount; ++i)
    if (name == kGoodsPictures[i].name) return &kGoodsPictures[i].png;
  return nullptr;
}

}  // namespace katalog
