// Map pictures for the catalogue: the scenario picture made small enough for
// the page, and written as PNG.
#pragma once

#include <cstdint>
#include <string>

#include "picture.h"

namespace katalog {

inline constexpr int kThumbnailLimit = 256;
inline constexpr int kDetailLimit = 1024;

struct PictureSize {
  int width;
  int height;
};

// Division by a divisor fixed for a whole picture, as a multiplication and a
// shift: exact for every numerator below 2^31, and many times faster.
class Divider {
 public:
  explicit Divider(std::uint32_t divisor) {
    int bits = 0;  // the divisor's length in bits, rounded up
    while ((std::uint64_t{1} << bits) < divisor) ++bits;
    shift_ = 31 + bits;
    factor_ = (std::uint64_t{1} << shift_) / divisor + 1;
  }
  std::uint32_t operator()(std::uint32_t numerator) const {
    return static_cast<std::uint32_t>((numerator * factor_) >> shift_);
  }

 private:
  std::uint64_t factor_;
  int shift_;
};

// The size that fits within limit by limit: unchanged when it fits already,
// else both sides scaled by limit over the larger one, rounded, at least 1.
PictureSize FitWithin(int width, int height, int limit);

// The picture at the smaller size, each pixel the average of the source area
// it covers (in integer arithmetic, so every platform gets the same pixels).
lister::RgbPicture ScaleDown(const lister::RgbPicture& source, PictureSize size);

struct MapPictures {
  lister::RgbPicture thumbnail;  // within kThumbnailLimit
  lister::RgbPicture detail;     // within kDetailLimit
};

// Both pictures of a map. The thumbnail comes from the detail picture when
// both steps are exact reductions (a 2048 by 2048 map: 2:1, then 4:1), else
// from the map; either way each channel is within one step of the average of
// the map's area it covers.
MapPictures MakeMapPictures(const lister::RgbPicture& map);

// The picture as a 24-bit PNG file.
std::string EncodePng(const lister::RgbPicture& picture);

}  // namespace katalog
