// Map pictures made small and written as PNG, and the page's template filled.
#define STB_IMAGE_IMPLEMENTATION
#include <gtest/gtest.h>
#include <stb_image.h>
#include <zlib.h>

#include <algorithm>

#include "map_picture.h"
#include "page_writer.h"

namespace katalog {
namespace {

lister::RgbPicture Picture(int width, int height, std::vector<std::uint8_t> pixels) {
  lister::RgbPicture picture;
  picture.width = width;
  picture.height = height;
  picture.pixels.assign(pixels.begin(), pixels.end());
  return picture;
}

TEST(FitWithin, KeepsSmallPicturesAndRoundsTheOthers) {
  EXPECT_EQ(FitWithin(256, 100, 256).width, 256);
  const PictureSize wide = FitWithin(1000, 600, 256);
  EXPECT_EQ(wide.width, 256);
  EXPECT_EQ(wide.height, 154);  // 153.6 rounded
  const PictureSize thin = FitWithin(3, 2048, 256);
  EXPECT_EQ(thin.width, 1);  // never 0
  EXPECT_EQ(thin.height, 256);
  EXPECT_EQ(FitWithin(16384, 16384, 1024).width, 1024);
}

TEST(ScaleDown, AveragesTheAreaEachPixelCovers) {
  // Three pixels to two: the middle one counts half for each.
  const lister::RgbPicture row = Picture(3, 1, {0, 0, 0, 90, 90, 90, 200, 100, 0});
  const lister::RgbPicture two = ScaleDown(row, {2, 1});
  EXPECT_EQ(std::vector<std::uint8_t>(two.pixels.begin(), two.pixels.end()),
            (std::vector<std::uint8_t>{30, 30, 30, 163, 97, 30}));
  // Two by two to one: the rounded mean.
  const lister::RgbPicture square = Picture(2, 2, {0, 0, 0, 1, 2, 3, 4, 5, 6, 255, 255, 255});
  const lister::RgbPicture one = ScaleDown(square, {1, 1});
  EXPECT_EQ(std::vector<std::uint8_t>(one.pixels.begin(), one.pixels.end()),
            (std::vector<std::uint8_t>{65, 66, 66}));
}

std::vector<std::uint8_t> RandomPixels(int width, int height, std::uint32_t seed) {
  std::vector<std::uint8_t> pixels(3 * static_cast<std::size_t>(width) * height);
  for (std::uint8_t& p : pixels)
    p = static_cast<std::uint8_t>((seed = seed * 1103515245 + 12345) >> 24);
  return pixels;
}

// Every channel within one step of the exact average of the area it covers,
// weighting the source pixels that it covers in part.
void ExpectWithinAStepOfTheAverage(const lister::RgbPicture& source,
                                   const lister::RgbPicture& scaled) {
  const double fx = double(source.width) / scaled.width, fy = double(source.height) / scaled.height;
  for (int y = 0; y < scaled.height; ++y)
    for (int x = 0; x < scaled.width; ++x)
      for (int channel = 0; channel < 3; ++channel) {
        double sum = 0;
        for (int sy = int(y * fy); sy < source.height && sy < (y + 1) * fy; ++sy)
          for (int sx = int(x * fx); sx < source.width && sx < (x + 1) * fx; ++sx) {
            const double across = std::min(sx + 1.0, (x + 1) * fx) - std::max(double(sx), x * fx);
            const double down = std::min(sy + 1.0, (y + 1) * fy) - std::max(double(sy), y * fy);
            sum +=
                across * down * source.pixels[3 * (std::size_t(sy) * source.width + sx) + channel];
          }
        const int got = scaled.pixels[3 * (std::size_t(y) * scaled.width + x) + channel];
        ASSERT_NEAR(got, sum / (fx * fy), 1.0)
            << source.width << "x" << source.height << " to " << scaled.width << "x"
            << scaled.height << " at " << x << "," << y;
      }
}

// Odd sizes and large ones.
TEST(ScaleDown, StaysWithinAStepOfTheExactAverage) {
  const struct {
    int width, height;
    PictureSize size;
  } kCases[] = {
      {37, 23, {10, 7}}, {300, 5, {256, 4}}, {1000, 600, {256, 154}}, {5, 4099, {1, 256}}};
  for (const auto& c : kCases) {
    const lister::RgbPicture source =
        Picture(c.width, c.height, RandomPixels(c.width, c.height, 1));
    ExpectWithinAStepOfTheAverage(source, ScaleDown(source, c.size));
  }
}

// Exact reductions of the map and of the detail picture, and sizes that have
// none, for one of the pictures or both.
TEST(MakeMapPictures, BothWithinAStepOfTheMapsAverage) {
  const struct {
    int width, height;
  } kMaps[] = {{2048, 1024}, {4096, 64},  {1024, 768}, {512, 300},
               {1030, 700},  {16384, 16}, {37, 23},    {2, 2050}};
  for (const auto& map : kMaps) {
    const lister::RgbPicture source =
        Picture(map.width, map.height, RandomPixels(map.width, map.height, 3));
    const MapPictures pictures = MakeMapPictures(source);
    for (const auto& [picture, limit] : {std::pair{&pictures.detail, kDetailLimit},
                                         std::pair{&pictures.thumbnail, kThumbnailLimit}}) {
      const PictureSize size = FitWithin(map.width, map.height, limit);
      ASSERT_EQ(picture->width, size.width) << map.width << "x" << map.height;
      ASSERT_EQ(picture->height, size.height) << map.width << "x" << map.height;
      ExpectWithinAStepOfTheAverage(source, *picture);
    }
  }
}

TEST(Divider, DividesExactlyBelowTwoToThe31) {
  std::uint32_t seed = 7;
  auto next = [&] { return seed = seed * 1664525 + 1013904223; };
  for (std::uint32_t divisor : {1u, 2u, 3u, 255u, 256u, 1000u, 16384u, 4194304u, 4194303u}) {
    const Divider divide(divisor);
    for (int i = 0; i < 20000; ++i) {
      std::uint32_t numerator = next() >> 1;
      if (i % 2) numerator = numerator / divisor * divisor;  // exact multiples
      if (i % 3 == 0 && numerator >= divisor) numerator = numerator / divisor * divisor - 1;
      ASSERT_EQ(divide(numerator), numerator / divisor) << numerator << " / " << divisor;
    }
    EXPECT_EQ(divide(0x7FFFFFFFu), 0x7FFFFFFFu / divisor);
  }
}

// Rows shorter than the filter's sixteen channels at a time, and longer, with
// a tail; pictures of one batch of rows and of many; noise that grows the file
// beyond its first estimate; a ramp that the filter turns into bytes of 255,
// the largest for the checksum's sums. zlib checks the stream's checksum,
// which the PNG decoder leaves alone.
TEST(EncodePng, DecodesToTheSamePixels) {
  const struct {
    int width, height;
    bool ramp;
  } kCases[] = {{1, 1, false},     {2, 3, false},    {7, 5, false},
                {1000, 70, false}, {333, 97, false}, {2000, 3, true}};
  for (const auto& c : kCases) {
    std::vector<std::uint8_t> pixels = RandomPixels(c.width, c.height, 5);
    if (c.ramp)
      for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<std::uint8_t>(255 - i % (3 * c.width) / 3);
    const std::string png = EncodePng(Picture(c.width, c.height, pixels));
    int width = 0, height = 0, channels = 0;
    unsigned char* decoded =
        stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(png.data()),
                              static_cast<int>(png.size()), &width, &height, &channels, 3);
    ASSERT_NE(decoded, nullptr) << stbi_failure_reason();
    EXPECT_EQ(width, c.width);
    EXPECT_EQ(height, c.height);
    EXPECT_EQ(channels, 3);
    EXPECT_EQ(std::vector<std::uint8_t>(decoded, decoded + pixels.size()), pixels)
        << c.width << "x" << c.height;
    stbi_image_free(decoded);

    // The one IDAT chunk follows the signature and IHDR.
    const auto* idat = reinterpret_cast<const Bytef*>(png.data()) + 33;
    const uLong idatSize =
        uLong{idat[0]} << 24 | uLong{idat[1]} << 16 | uLong{idat[2]} << 8 | idat[3];
    std::vector<Bytef> rows((3 * static_cast<std::size_t>(c.width) + 1) * c.height);
    uLongf rowsSize = rows.size();
    EXPECT_EQ(uncompress(rows.data(), &rowsSize, idat + 8, idatSize), Z_OK)
        << c.width << "x" << c.height;
  }
}

TEST(Base64, StandardAlphabetWithPadding) {
  auto encode = [](const std::string& text) {
    return Base64(reinterpret_cast<const unsigned char*>(text.data()), text.size());
  };
  EXPECT_EQ(encode(""), "");
  EXPECT_EQ(encode("f"), "Zg==");
  EXPECT_EQ(encode("fo"), "Zm8=");
  EXPECT_EQ(encode("foo"), "Zm9v");
  EXPECT_EQ(encode("\xFB\xFF"), "+/8=");
}

TEST(FillTemplate, OnePassFromLeftToRight) {
  std::string page;
  // A value that holds a later placeholder's text stays as it is.
  ASSERT_TRUE(FillTemplate("<{{A}}|{{B}}>", {{"{{A}}", "{{B}}"}, {"{{B}}", "b"}}, page));
  EXPECT_EQ(page, "<{{B}}|b>");
  EXPECT_FALSE(FillTemplate("{{B}}{{A}}", {{"{{A}}", "a"}, {"{{B}}", "b"}}, page));  // order
  EXPECT_FALSE(FillTemplate("{{A}}{{A}}", {{"{{A}}", "a"}}, page));                  // twice
  EXPECT_FALSE(FillTemplate("{{A}}", {{"{{A}}", "a"}, {"{{B}}", "b"}}, page));       // missing
}

}  // namespace
}  // namespace katalog
