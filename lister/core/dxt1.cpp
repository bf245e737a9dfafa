#include "dxt1.h"

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

// value * 255 / Divisor to the nearest integer, ties to even, in exact
// integer arithmetic: half up first, then a tie that landed on an odd
// number goes back down.
constexpr std::uint8_t Scale(int value, int divisor) {
  const int twiceScaled = 2 * value * 255 + divisor;
  int nearest = twiceScaled / (2 * divisor);
  if (twiceScaled % (2 * divisor) == 0 && nearest % 2 == 1) --nearest;
  return static_cast<std::uint8_t>(nearest);
}

// Scale for every value a palette channel can take, computed when compiled:
// a look-up per channel is much cheaper than the division per block.
template <int Divisor>
struct ScaleTable {
  constexpr ScaleTable() : values() {
    for (int v = 0; v <= Divisor; ++v) values[v] = Scale(v, Divisor);
  }
  constexpr std::uint8_t operator()(int value) const { return values[value]; }
  std::uint8_t values[Divisor + 1];
};

constexpr ScaleTable<31> kExpand5;
constexpr ScaleTable<63> kExpand6;
constexpr ScaleTable<93> kThirds5;
constexpr ScaleTable<189> kThirds6;
constexpr ScaleTable<62> kHalves5;
constexpr ScaleTable<126> kHalves6;

struct Channels {
  int red, green, blue;
};

Channels Split(std::uint16_t colour) { return {colour >> 11, (colour >> 5) & 0x3F, colour & 0x1F}; }

std::string Printable(const std::uint8_t* code) {
  std::string text;
  for (int i = 0; i < 4; ++i)
    text += (code[i] >= 0x20 && code[i] < 0x7F) ? static_cast<char>(code[i]) : '?';
  return text;
}

std::uint32_t Packed(Rgb colour) {
  return static_cast<std::uint32_t>(colour.red) | static_cast<std::uint32_t>(colour.green) << 8 |
         static_cast<std::uint32_t>(colour.blue) << 16;
}

// Four pixels of 3 bytes each go out as one 64-bit and one 32-bit store,
// red first in memory on the little-endian machines the lister runs on.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "pixel stores assume little-endian");

void WriteRow(std::uint8_t* out, std::uint64_t a, std::uint64_t b, std::uint64_t c,
              std::uint32_t d) {
  const std::uint64_t first = a | b << 24 | c << 48;
  const std::uint32_t rest = static_cast<std::uint32_t>(c >> 16) | d << 8;
  std::memcpy(out, &first, sizeof first);
  std::memcpy(out + sizeof first, &rest, sizeof rest);
}

void DecodeBlock(const std::uint8_t* block, std::uint8_t* topLeft, std::size_t rowBytes) {
  const std::array<Rgb, 4> palette = Dxt1Palette(ReadU16(block), ReadU16(block + 2));
  const std::uint32_t packed[4] = {Packed(palette[0]), Packed(palette[1]), Packed(palette[2]),
                                   Packed(palette[3])};
  std::uint32_t indices = ReadU32(block + 4);
  for (int row = 0; row < 4; ++row, indices >>= 8)
    WriteRow(topLeft + row * rowBytes, packed[indices & 3], packed[indices >> 2 & 3],
             packed[indices >> 4 & 3], packed[indices >> 6 & 3]);
}

}  // namespace

std::array<Rgb, 4> Dxt1Palette(std::uint16_t colour0, std::uint16_t colour1) {
  const Channels c0 = Split(colour0);
  const Channels c1 = Split(colour1);
  std::array<Rgb, 4> palette;
  palette[0] = {kExpand5(c0.red), kExpand6(c0.green), kExpand5(c0.blue)};
  palette[1] = {kExpand5(c1.red), kExpand6(c1.green), kExpand5(c1.blue)};
  if (colour0 > colour1) {
    palette[2] = {kThirds5(2 * c0.red + c1.red), kThirds6(2 * c0.green + c1.green),
                  kThirds5(2 * c0.blue + c1.blue)};
    palette[3] = {kThirds5(c0.red + 2 * c1.red), kThirds6(c0.green + 2 * c1.green),
                  kThirds5(c0.blue + 2 * c1.blue)};
  } else {
    palette[2] = {kHalves5(c0.red + c1.red), kHalves6(c0.green + c1.green),
                  kHalves5(c0.blue + c1.blue)};
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
