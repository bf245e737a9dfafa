// The scenario picture: a DirectDraw Surface file whose first, full-size
// image is DXT1 block-compressed, decoded to plain RGB.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform.h"
#include "view.h"

namespace lister {

// Larger pictures are refused before anything is allocated for them.
inline constexpr std::uint32_t kMaxPictureSide = 16384;

// The four colours of one block. Channels are expanded to 8 bits by
// rounding to the nearest integer, ties to even; the two mixed entries are
// interpolated on the 5- and 6-bit values and scaled once. When colour 0 is
// not above colour 1, entry 3 is magenta.
std::array<Rgb, 4> Dxt1Palette(std::uint16_t colour0, std::uint16_t colour1);

// Decodes the whole DDS file held in memory. On failure returns false with a
// message for the user and leaves the picture untouched.
bool DecodeDxt1(const std::vector<std::uint8_t>& file, RgbPicture& picture, std::string& error);

// Reads the file through the platform and decodes it.
bool LoadScenarioPicture(Platform& platform, const std::string& path, RgbPicture& picture,
                         std::string& error);

}  // namespace lister
