#include "dxt1.h"

#include <cstring>
#include <new>
#include <utility>

namespace lister {

namespace {

constexpr std::size_t kHeightOffset = 12;
constexpr std::size_t kWidthOffset = 16;
constexpr std::size_t kFormatOffset = 84;
constexpr std::size_t kBlockSize = 8;

std::uint32_t ReadU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// value * 255 / divisor to the nearest integer, ties to even, in exact
// integer arithmetic: half up first, then a tie that landed on an odd
// number goes back down.
constexpr std::uint8_t Scale(int value, int divisor) {
  const int twiceScaled = 2 * value * 255 + divisor;
  int nearest = twiceScaled / (2 * divisor);
  if (twiceScaled % (2 * divisor) == 0 && nearest % 2 == 1) --nearest;
  return static_cast<std::uint8_t>(nearest);
}

// A channel of entries 0 and 1: its 5- or 6-bit value expanded to 8 bits.
template <int Bits>
struct ExpandTable {
  static constexpr int kMax = (1 << Bits) - 1;
  constexpr ExpandTable() : values() {
    for (int v = 0; v <= kMax; ++v) values[v] = Scale(v, kMax);
  }
  std::uint32_t values[kMax + 1];
};

// A channel of entries 2 and 3, by block mode and the channel's values in
// colours 0 and 1: entry 2 in bits 0-7, entry 3 in bits 24-31. Three
// channels shifted by 0, 8 and 16 and or-ed then hold entry 2 in bits 0-23
// and entry 3 in bits 24-47. Looked up without a branch on the mode, which
// random pictures would mispredict half the time.
template <int Bits>
struct MixTable {
  static constexpr int kMax = (1 << Bits) - 1;
  // Entry 3 of a three-colour block is magenta: full red and blue, no green.
  static constexpr std::uint32_t kMagentaChannel = Bits == 5 ? 255 : 0;
  constexpr MixTable() : values() {
    for (int a = 0; a <= kMax; ++a) {
      for (int b = 0; b <= kMax; ++b) {
        values[1][a][b] = Scale(2 * a + b, 3 * kMax) | std::uint32_t{Scale(a + 2 * b, 3 * kMax)}
                                                           << 24;
        values[0][a][b] = Scale(a + b, 2 * kMax) | kMagentaChannel << 24;
      }
    }
  }
  std::uint32_t values[2][kMax + 1][kMax + 1];  // [colour 0 > colour 1][colour 0][colour 1]
};

constexpr ExpandTable<5> kExpand5;
constexpr ExpandTable<6> kExpand6;
constexpr MixTable<5> kMix5;
constexpr MixTable<6> kMix6;

// A palette entry as red | green << 8 | blue << 16.
using PackedPalette = std::array<std::uint32_t, 4>;

PackedPalette Palette(std::uint16_t colour0, std::uint16_t colour1) {
  const int r0 = colour0 >> 11, g0 = colour0 >> 5 & 0x3F, b0 = colour0 & 0x1F;
  const int r1 = colour1 >> 11, g1 = colour1 >> 5 & 0x3F, b1 = colour1 & 0x1F;
  const int fourColours = colour0 > colour1;
  const std::uint64_t mixed = std::uint64_t{kMix5.values[fourColours][r0][r1]} |
                              std::uint64_t{kMix6.values[fourColours][g0][g1]} << 8 |
                              std::uint64_t{kMix5.values[fourColours][b0][b1]} << 16;
  return {kExpand5.values[r0] | kExpand6.values[g0] << 8 | kExpand5.values[b0] << 16,
          kExpand5.values[r1] | kExpand6.values[g1] << 8 | kExpand5.values[b1] << 16,
          static_cast<std::uint32_t>(mixed & 0xFFFFFF), static_cast<std::uint32_t>(mixed >> 24)};
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
  const PackedPalette palette = Palette(static_cast<std::uint16_t>(block[0] | block[1] << 8),
                                        static_cast<std::uint16_t>(block[2] | block[3] << 8));
  std::uint32_t indices = ReadU32(block + 4);
  for (int row = 0; row < 4; ++row, indices >>= 8)
    WriteRow(topLeft + row * rowBytes, palette[indices & 3], palette[indices >> 2 & 3],
             palette[indices >> 4 & 3], palette[indices >> 6 & 3]);
}

}  // namespace

std::array<Rgb, 4> Dxt1Palette(std::uint16_t colour0, std::uint16_t colour1) {
  const PackedPalette packed = Palette(colour0, colour1);
  std::array<Rgb, 4> palette;
  for (int i = 0; i < 4; ++i)
    palette[i] = {static_cast<std::uint8_t>(packed[i]), static_cast<std::uint8_t>(packed[i] >> 8),
                  static_cast<std::uint8_t>(packed[i] >> 16)};
  return palette;
}

PictureResult ReadDdsHeader(const std::uint8_t* bytes, std::size_t size) {
  PictureResult result;
  if (size < kDdsHeaderSize) {
    result.fault = PictureFault::HeaderCut;
    result.fileSize = size;
    return result;
  }
  result.height = ReadU32(bytes + kHeightOffset);
  result.width = ReadU32(bytes + kWidthOffset);
  std::memcpy(result.format.data(), bytes + kFormatOffset, result.format.size());
  if (std::memcmp(result.format.data(), "DXT1", 4) != 0) {
    result.fault = PictureFault::NotDxt1;
    return result;
  }
  if (result.width > kMaxPictureSide || result.height > kMaxPictureSide) {
    result.fault = PictureFault::TooLarge;
    return result;
  }
  // Both sides are at most 2^14, so the product fits with room to spare.
  result.blockBytes = std::uint64_t{result.width} * result.height / 2;
  return result;
}

PictureResult AllocateDxt1Picture(PictureResult header, std::uint64_t blockBytesPresent,
                                  RgbPicture& picture) {
  if (blockBytesPresent < header.blockBytes) {
    header.fault = PictureFault::BlockDataCut;
    header.blockBytesFound = blockBytesPresent;
    return header;
  }
  const std::uint32_t width = header.width;
  const std::uint32_t height = header.height;
  const std::size_t rowBytes = std::size_t{width} * 3;
  PixelBytes pixels;
  try {
    pixels.resize(rowBytes * height);
  } catch (const std::bad_alloc&) {
    header.fault = PictureFault::NoMemory;
    return header;
  }
  // Widths and heights that are not a multiple of 4 leave the partly used
  // last block of each row and column undecoded: those pixels are black.
  const std::size_t decodedRowBytes = std::size_t{width / 4} * 12;
  const std::uint32_t decodedRows = height / 4 * 4;
  for (std::uint32_t y = 0; y < height && rowBytes > 0; ++y) {
    std::uint8_t* row = pixels.data() + y * rowBytes;
    const std::size_t black = y < decodedRows ? decodedRowBytes : 0;
    std::memset(row + black, 0, rowBytes - black);
  }
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  picture.pixels = std::move(pixels);
  return header;
}

std::size_t Dxt1BlockRowBytes(const RgbPicture& picture) {
  return static_cast<std::size_t>(picture.width / 4) * kBlockSize;
}

void DecodeDxt1Rows(const std::uint8_t* blocks, std::uint32_t firstRow, std::uint32_t rowCount,
                    RgbPicture& picture) {
  const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 3;
  const std::uint32_t blocksPerRow = static_cast<std::uint32_t>(picture.width) / 4;
  for (std::uint32_t by = firstRow; by < firstRow + rowCount; ++by) {
    std::uint8_t* topLeft = picture.pixels.data() + std::size_t{by} * 4 * rowBytes;
    for (std::uint32_t bx = 0; bx < blocksPerRow; ++bx, blocks += kBlockSize, topLeft += 12)
      DecodeBlock(blocks, topLeft, rowBytes);
  }
}

PictureResult DecodeDxt1(const std::uint8_t* file, std::size_t size, RgbPicture& picture) {
  PictureResult result = ReadDdsHeader(file, size);
  if (!result.Ok()) return result;
  RgbPicture decoded;
  result = AllocateDxt1Picture(result, size - kDdsHeaderSize, decoded);
  if (!result.Ok()) return result;
  DecodeDxt1Rows(file + kDdsHeaderSize, 0, result.height / 4, decoded);
  picture = std::move(decoded);
  return result;
}

}  // namespace lister
