// Map pictures made small and written as PNG, and the page's template filled.
#define STB_IMAGE_IMPLEMENTATION
#include <gtest/gtest.h>
#include <stb_image.h>

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

TEST(EncodePng, DecodesToTheSamePixels) {
  std::vector<std::uint8_t> pixels;
  for (int i = 0; i < 7 * 5 * 3; ++i) pixels.push_back(static_cast<std::uint8_t>(i * 37 + i / 3));
  const lister::RgbPicture picture = Picture(7, 5, pixels);
  const std::string png = EncodePng(picture);
  int width = 0, height = 0, channels = 0;
  unsigned char* decoded =
      stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(png.data()),
                            static_cast<int>(png.size()), &width, &height, &channels, 3);
  ASSERT_NE(decoded, nullptr) << stbi_failure_reason();
  EXPECT_EQ(width, 7);
  EXPECT_EQ(height, 5);
  EXPECT_EQ(channels, 3);
  EXPECT_EQ(std::vector<std::uint8_t>(decoded, decoded + pixels.size()), pixels);
  stbi_image_free(decoded);
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
