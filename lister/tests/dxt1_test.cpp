#include "dxt1.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dds_bytes.h"

namespace lister {
namespace {

std::uint16_t Rgb565(int red, int green, int blue) {
  return static_cast<std::uint16_t>(red << 11 | green << 5 | blue);
}

// Colours compared as text, so a failure prints them readably.
std::string Text(Rgb c) {
  return std::to_string(c.red) + ", " + std::to_string(c.green) + ", " + std::to_string(c.blue);
}

constexpr Rgb kMagenta{255, 0, 255};

Rgb PixelAt(const RgbPicture& picture, int x, int y) {
  const std::size_t offset = (static_cast<std::size_t>(y) * picture.width + x) * 3;
  const std::uint8_t* p = picture.pixels.data() + offset;
  return {p[0], p[1], p[2]};
}

// The same rounding in integers: n / d to the nearest integer, ties to even.
int NearestEven(int n, int d) {
  int quotient = n / d;
  const int twiceRemainder = 2 * (n % d);
  if (twiceRemainder > d || (twiceRemainder == d && quotient % 2 == 1)) ++quotient;
  return quotient;
}

Rgb ExpectedEntry(int entry, std::uint16_t colour0, std::uint16_t colour1) {
  const int c0[3] = {colour0 >> 11, (colour0 >> 5) & 63, colour0 & 31};
  const int c1[3] = {colour1 >> 11, (colour1 >> 5) & 63, colour1 & 31};
  const int maxima[3] = {31, 63, 31};
  const bool fourColours = colour0 > colour1;
  if (entry == 3 && !fourColours) return kMagenta;
  int channel[3];
  for (int i = 0; i < 3; ++i) {
    const int m = maxima[i];
    switch (entry) {
      case 0: channel[i] = NearestEven(c0[i] * 255, m); break;
      case 1: channel[i] = NearestEven(c1[i] * 255, m); break;
      case 2:
        channel[i] = fourColours ? NearestEven((2 * c0[i] + c1[i]) * 255, 3 * m)
                                 : NearestEven((c0[i] + c1[i]) * 255, 2 * m);
        break;
      default: channel[i] = NearestEven((c0[i] + 2 * c1[i]) * 255, 3 * m); break;
    }
  }
  return {static_cast<std::uint8_t>(channel[0]), static_cast<std::uint8_t>(channel[1]),
          static_cast<std::uint8_t>(channel[2])};
}

void ExpectPaletteAsIntegerRule(std::uint16_t colour0, std::uint16_t colour1) {
  const std::array<Rgb, 4> palette = Dxt1Palette(colour0, colour1);
  for (int entry = 0; entry < 4; ++entry)
    ASSERT_EQ(Text(palette[entry]), Text(ExpectedEntry(entry, colour0, colour1)))
        << "entry " << entry << " of " << colour0 << ", " << colour1;
}

TEST(Dxt1Palette, WorkedColours) {
  const std::array<Rgb, 4> four = Dxt1Palette(0xFFFF, 0x0000);
  EXPECT_EQ(Text(four[0]), "255, 255, 255");
  EXPECT_EQ(Text(four[1]), "0, 0, 0");
  EXPECT_EQ(Text(four[2]), "170, 170, 170");
  EXPECT_EQ(Text(four[3]), "85, 85, 85");
  const std::array<Rgb, 4> three = Dxt1Palette(0x0000, 0xFFFF);
  EXPECT_EQ(Text(three[2]), "128, 128, 128");
  EXPECT_EQ(Text(three[3]), "255, 0, 255");
}

TEST(Dxt1Palette, TiesInThreeColourBlocksGoToEven) {
  EXPECT_EQ(int(Dxt1Palette(Rgb565(15, 0, 0), Rgb565(16, 0, 0))[2].red), 128);  // 127.5
  EXPECT_EQ(int(Dxt1Palette(Rgb565(0, 0, 15), Rgb565(0, 0, 16))[2].blue), 128);
  EXPECT_EQ(int(Dxt1Palette(Rgb565(0, 10, 0), Rgb565(0, 11, 0))[2].green), 42);   // 42.5
  EXPECT_EQ(int(Dxt1Palette(Rgb565(0, 31, 0), Rgb565(0, 32, 0))[2].green), 128);  // 127.5
  EXPECT_EQ(int(Dxt1Palette(Rgb565(0, 52, 0), Rgb565(0, 53, 0))[2].green), 212);  // 212.5
}

TEST(Dxt1Palette, EqualColoursUseTheThreeColourRule) {
  const std::uint16_t colour = Rgb565(20, 40, 5);
  const std::array<Rgb, 4> palette = Dxt1Palette(colour, colour);
  EXPECT_EQ(Text(palette[2]), Text(palette[0]));
  EXPECT_EQ(Text(palette[3]), "255, 0, 255");
}

// Every pair of channel values in both block modes. The mode follows from
// the red bits, so blue and green are paired under a fixed red that forces
// each mode; red itself is paired in the mode its values give.
TEST(Dxt1Palette, MatchesTheIntegerRuleForEveryPairOfValues) {
  for (int a = 0; a < 64; ++a) {
    for (int b = 0; b < 64; ++b) {
      ExpectPaletteAsIntegerRule(Rgb565(1, a, 0), Rgb565(0, b, 0));
      ExpectPaletteAsIntegerRule(Rgb565(0, a, 0), Rgb565(1, b, 0));
      if (a >= 32 || b >= 32) continue;
      ExpectPaletteAsIntegerRule(Rgb565(1, 0, a), Rgb565(0, 0, b));
      ExpectPaletteAsIntegerRule(Rgb565(0, 0, a), Rgb565(1, 0, b));
      ExpectPaletteAsIntegerRule(Rgb565(a, 0, 0), Rgb565(b, 0, 0));
      ExpectPaletteAsIntegerRule(Rgb565(a, 1, 0), Rgb565(b, 0, 0));
    }
  }
}

PictureResult Decode(const std::vector<std::uint8_t>& file, RgbPicture& picture) {
  return DecodeDxt1(file.data(), file.size(), picture);
}

TEST(DecodeDxt1, IndicesRunFromTheLowestBitsLeftToRightTopToBottom) {
  // Each index byte holds 0, 1, 2, 3 from its lowest bits up.
  RgbPicture picture;
  ASSERT_TRUE(Decode(DdsFile(4, 4, Dxt1Block(0xFFFF, 0x0000, 0xE4E4E4E4)), picture).Ok());
  ASSERT_EQ(picture.width, 4);
  ASSERT_EQ(picture.height, 4);
  const std::array<Rgb, 4> palette = Dxt1Palette(0xFFFF, 0x0000);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(Text(PixelAt(picture, x, y)), Text(palette[x])) << x << "," << y;
}

TEST(DecodeDxt1, BlocksFillRowsOfFourPixelRowsLeftToRight) {
  const std::uint16_t solid[4] = {Rgb565(31, 0, 0), Rgb565(0, 63, 0), Rgb565(0, 0, 31),
                                  Rgb565(31, 63, 31)};
  std::vector<std::uint8_t> data;
  for (std::uint16_t colour : solid) {
    const std::vector<std::uint8_t> block = Dxt1Block(colour, 0, 0);
    data.insert(data.end(), block.begin(), block.end());
  }
  RgbPicture picture;
  ASSERT_TRUE(Decode(DdsFile(8, 8, data), picture).Ok());
  EXPECT_EQ(Text(PixelAt(picture, 3, 3)), "255, 0, 0");
  EXPECT_EQ(Text(PixelAt(picture, 4, 0)), "0, 255, 0");
  EXPECT_EQ(Text(PixelAt(picture, 0, 4)), "0, 0, 255");
  EXPECT_EQ(Text(PixelAt(picture, 7, 7)), "255, 255, 255");
}

bool AllBlack(const RgbPicture& picture, int left, int top) {
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      if ((x >= left || y >= top) && Text(PixelAt(picture, x, y)) != "0, 0, 0") return false;
  return true;
}

TEST(DecodeDxt1, PartialBlocksStayBlack) {
  // Pixel memory is not cleared when allocated, so the margins must be
  // written black even where an earlier picture of the same size lay.
  RgbPicture dirty;
  ASSERT_TRUE(Decode(DdsFile(8, 5, std::vector<std::uint8_t>(20, 0xFF)), dirty).Ok());
  dirty = RgbPicture();

  // 6 by 5: one block per row and one block row are decoded, but the file
  // must still hold 6 * 5 / 2 bytes of block data.
  std::vector<std::uint8_t> data = Dxt1Block(0xFFFF, 0xFFFF, 0);
  data.resize(15, 0);
  RgbPicture picture;
  ASSERT_TRUE(Decode(DdsFile(6, 5, data), picture).Ok());
  ASSERT_EQ(picture.pixels.size(), 6u * 5 * 3);
  EXPECT_EQ(Text(PixelAt(picture, 3, 3)), "255, 255, 255");
  EXPECT_TRUE(AllBlack(picture, 4, 4));

  data.pop_back();
  EXPECT_EQ(Decode(DdsFile(6, 5, data), picture).fault, PictureFault::BlockDataCut);

  ASSERT_TRUE(Decode(DdsFile(3, 2, {1, 2, 3}), picture).Ok());
  EXPECT_EQ(picture.width, 3);
  EXPECT_TRUE(AllBlack(picture, 0, 0));

  // No pixel at all, however many rows.
  ASSERT_TRUE(Decode(DdsFile(0, 5, {}), picture).Ok());
  EXPECT_EQ(picture.height, 5);
  EXPECT_TRUE(picture.pixels.empty());
}

TEST(DecodeDxt1, RefusesDamagedAndUnsupportedFilesWithTheirFigures) {
  RgbPicture picture;
  picture.width = 7;

  std::vector<std::uint8_t> headerOnly = DdsFile(4, 4, {});
  headerOnly.pop_back();
  PictureResult result = Decode(headerOnly, picture);
  EXPECT_EQ(result.fault, PictureFault::HeaderCut);
  EXPECT_EQ(result.fileSize, 127u);

  result = Decode(DdsFile(4, 4, std::vector<std::uint8_t>(7)), picture);
  EXPECT_EQ(result.fault, PictureFault::BlockDataCut);
  EXPECT_EQ(result.blockBytes, 8u);
  EXPECT_EQ(result.blockBytesFound, 7u);

  result = Decode(DdsFile(4, 4, Dxt1Block(0, 0, 0), "DXT5"), picture);
  EXPECT_EQ(result.fault, PictureFault::NotDxt1);
  EXPECT_EQ(std::string(result.format.begin(), result.format.end()), "DXT5");

  // Sizes whose block data would not fit 32 bits, or that are merely absurd,
  // are refused before anything is allocated.
  result = Decode(DdsFile(0xFFFFFFFF, 0xFFFFFFFF, {}), picture);
  EXPECT_EQ(result.fault, PictureFault::TooLarge);
  EXPECT_EQ(result.width, 0xFFFFFFFFu);
  EXPECT_EQ(Decode(DdsFile(16385, 4, std::vector<std::uint8_t>(40000)), picture).fault,
            PictureFault::TooLarge);
  result = Decode(DdsFile(16384, 16384, {}), picture);
  EXPECT_EQ(result.fault, PictureFault::BlockDataCut);
  EXPECT_EQ(result.blockBytes, 16384u * 16384 / 2);

  EXPECT_EQ(picture.width, 7);  // left untouched
}

}  // namespace
}  // namespace lister
