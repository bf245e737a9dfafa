// Map pictures for the catalogue: the scenario picture made small enough for
// the page, and written as PNG.
#pragma once

#include <string>

#include "picture.h"

namespace katalog {

inline constexpr int kThumbnailLimit = 256;
inline constexpr int kDetailLimit = 1024;

struct PictureSize {
  int width;
  int height;
};

// The size that fits within limit by limit: unchanged when it fits already,
// else both sides scaled by limit over the larger one, rounded, at least 1.
PictureSize FitWithin(int width, int height, int limit);

// The picture at the smaller size, each pixel the average of the source area
// it covers (in integer arithmetic, so every platform gets the same pixels).
lister::RgbPicture ScaleDown(const lister::RgbPicture& source, PictureSize size);

// The picture as a 24-bit PNG file.
std::string EncodePng(const lister::RgbPicture& picture);

}  // namespace katalog
