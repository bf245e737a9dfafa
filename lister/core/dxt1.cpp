#include "dxt1.h"

#include <cmath>
#include <cstring>
#include <new>
#include <utility>

namespace lister {

namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kHeightOffset = 12;
constexpr std::size_t kWidthOffset = 16;
constexpr std::size_t kFormatOffset = 84;
constexpr std::size_t kBlockSize = 8;

std::uint32_t ReadU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t ReadU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

// value * 255 / divisor, to the nearest integer with ties to even (the
// default rounding of nearbyint). The quotient of two small integers is
// exact wherever it is a tie, so no tie is lost to rounding error.
std::uint8_t Scale(int value, int divisor) {
  return static_cast<std::uint8_t>(std::nearbyint(value * 255.0 / divisor));
}

struct Channels {
  int red, green, blue;
};

Channels Split(std::uint16_t colour) {
  return {colour >> 11, (colour >> 5) & 0x3F, colour & 0x1F};
}

std::string Printable(const std::uint8_t* code) {
  std::string text;
  for (int i = 0; i < 4; ++i)
    text += (code[i] >= 0x20 && code[i] < 0x7F) ? static_cast<char>(code[i]) : '?';
  return text;
}

void DecodeBlock(const std::uint8_t* block, std::uint8_t* topLeft, std::size_t rowBytes) {
  const std::array<Rgb, 4> palette = Dxt1Palette(ReadU16(block), ReadU16(block + 2));
  std::uint32_t indices = ReadU32(block + 4);
  for (int row = 0; row < 4; ++row) {
    std::uint8_t* pixel = topLeft + row * rowBytes;
    for (int i = 0; i < 4; ++i, indices >>= 2, pixel += 3) {
      const Rgb& colour = palette[indices & 3];
      pixel[0] = colour.red;
      pixel[1] = colour.green;
      pixel[2] = colour.blue;
    }
  }
}

}  // namespace

std::array<Rgb, 4> Dxt1Palette(std::uint16_t colour0, std::uint16_t colour1) {
  const Channels c0 = Split(colour0);
  const Channels c1 = Split(colour1);
  std::array<Rgb, 4> palette;
  palette[0] = {Scale(c0.red, 31), Scale(c0.green, 63), Scale(c0.blue, 31)};
  palette[1] = {Scale(c1.red, 31), Scale(c1.green, 63), Scale(c1.blue, 31)};
  if (colour0 > colour1) {
    palette[2] = {Scale(2 * c0.red + c1.red, 93), Scale(2 * c0.green + c1.green, 189),
                  Scale(2 * c0.blue + c1.blue, 93)};
    palette[3] = {Scale(c0.red + 2 * c1.red, 93), Scale(c0.green + 2 * c1.green, 189),
                  Scale(c0.blue + 2 * c1.blue, 93)};
  } else {
    palette[2] = {Scale(c0.red + c1.red, 62), Scale(c0.green + c1.green, 126),
                  Scale(c0.blue + c1.blue, 62)};
    palette[3] = {255, 0, 255};
  }
  return palette;
}

bool DecodeDxt1(const std::vector<std::uint8_t>& file, RgbPicture& picture, std::string& error) {
  if (file.size() < kHeaderSize) {
    error = "Die Bilddatei ist zu kurz für den Kopf eines DDS-Bildes (" +
            std::to_string(file.size()) + " Bytes).";
    return false;
  }
  const std::uint32_t height = ReadU32(file.data() + kHeightOffset);
  const std::uint32_t width = ReadU32(file.data() + kWidthOffset);
  const std::uint8_t* format = file.data() + kFormatOffset;
  if (std::memcmp(format, "DXT1", 4) != 0) {
    error = "Die Bilddatei ist nicht DXT1-komprimiert (Format \"" + Printable(format) + "\").";
    return false;
  }
  if (width > kMaxPictureSide || height > kMaxPictureSide) {
    error = "Die Bildgröße " + std::to_string(width) + " x " + std::to_string(height) +
            " ist unzulässig (höchstens " + std::to_string(kMaxPictureSide) + " x " +
            std::to_string(kMaxPictureSide) + ").";
    return false;
  }
  // Both sides are at most 2^14, so the products fit in 64 bits with room to spare.
  const std::uint64_t blockBytes = static_cast<std::uint64_t>(width) * height / 2;
  const std::uint64_t available = file.size() - kHeaderSize;
  if (available < blockBytes) {
    error = "Die Bilddatei endet vor dem Ende der Bilddaten (" + std::to_string(blockBytes) +
            " Bytes erwartet, " + std::to_string(available) + " vorhanden).";
    return false;
  }

  RgbPicture decoded;
  decoded.width = static_cast<int>(width);
  decoded.height = static_cast<int>(height);
  try {
    decoded.pixels.assign(static_cast<std::size_t>(width) * height * 3, 0);
  } catch (const std::bad_alloc&) {
    error = "Für das Bild (" + std::to_string(width) + " x " + std::to_string(height) +
            ") ist nicht genug Speicher frei.";
    return false;
  }

  // Widths and heights that are not a multiple of 4 leave the partly used
  // last block of each row and column undecoded: those pixels stay black.
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
  const std::uint8_t* block = file.data() + kHeaderSize;
  for (std::uint32_t by = 0; by < height / 4; ++by) {
    std::uint8_t* blockRow = decoded.pixels.data() + static_cast<std::size_t>(by) * 4 * rowBytes;
    for (std::uint32_t bx = 0; bx < width / 4; ++bx, block += kBlockSize)
      DecodeBlock(block, blockRow + static_cast<std::size_t>(bx) * 12, rowBytes);
  }
  picture = std::move(decoded);
  return true;
}

bool LoadScenarioPicture(Platform& platform, const std::string& path, RgbPicture& picture,
                         std::string& error) {
  std::vector<std::uint8_t> file;
  if (!platform.ReadFileBytes(path, file, error)) return false;
  return DecodeDxt1(file, picture, error);
}

}  // namespace lister
