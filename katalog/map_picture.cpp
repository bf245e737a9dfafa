#include "map_picture.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace katalog {
namespace {

// The source pixels that one output pixel covers along one side, with their
// weights: a source pixel spans outSize units, an output pixel inSize units.
struct Span {
  int first;
  int count;
  std::size_t weights;  // where its weights start in the weight table
};

struct Spans {
  std::vector<Span> spans;
  std::vector<std::uint32_t> weights;
};

Spans MakeSpans(int inSize, int outSize) {
  Spans result;
  result.spans.reserve(static_cast<std::size_t>(outSize));
  for (std::int64_t o = 0; o < outSize; ++o) {
    const std::int64_t start = o * inSize, end = start + inSize;
    const std::int64_t first = start / outSize, last = (end - 1) / outSize;
    result.spans.push_back(
        {static_cast<int>(first), static_cast<int>(last - first + 1), result.weights.size()});
    for (std::int64_t i = first; i <= last; ++i) {
      const std::int64_t low = std::max(start, i * outSize);
      const std::int64_t high = std::min(end, (i + 1) * outSize);
      result.weights.push_back(static_cast<std::uint32_t>(high - low));
    }
  }
  return result;
}

// Averages carry 8 bits more than a channel, so that rounding them twice,
// across and then down, stays within a step of the exact area average.
constexpr std::uint32_t kFraction = 256;

// One source row averaged across: each channel of each output pixel as its
// average times kFraction, rounded.
void AverageAcross(const std::uint8_t* row, const Spans& across, std::uint32_t sourceWidth,
                   const Divider& bySourceWidth, std::vector<std::uint16_t>& averages) {
  std::uint16_t* out = averages.data();
  const std::uint32_t half = sourceWidth / 2;
  for (const Span& span : across.spans) {
    std::uint32_t red = 0, green = 0, blue = 0;
    const std::uint8_t* pixel = row + 3 * static_cast<std::size_t>(span.first);
    const std::uint32_t* weight = across.weights.data() + span.weights;
    for (int i = 0; i < span.count; ++i, pixel += 3) {
      red += weight[i] * pixel[0];
      green += weight[i] * pixel[1];
      blue += weight[i] * pixel[2];
    }
    // The weights of a pixel add up to the source width, so a sum is at most
    // 255 times 16384, and times kFraction it still fits 32 bits.
    *out++ = static_cast<std::uint16_t>(bySourceWidth(red * kFraction + half));
    *out++ = static_cast<std::uint16_t>(bySourceWidth(green * kFraction + half));
    *out++ = static_cast<std::uint16_t>(bySourceWidth(blue * kFraction + half));
  }
}

void AppendU32(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value >> 24);
  out += static_cast<char>(value >> 16);
  out += static_cast<char>(value >> 8);
  out += static_cast<char>(value);
}

void AppendChunk(std::string& out, const char* type, const std::string& data) {
  AppendU32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = out.size();
  out.append(type, 4);
  out += data;
  const auto* checked = reinterpret_cast<const Bytef*>(out.data() + typeAt);
  AppendU32(out, static_cast<std::uint32_t>(crc32(0, checked, static_cast<uInt>(4 + data.size()))));
}

std::uint8_t Paeth(int left, int up, int upLeft) {
  const int estimate = left + up - upLeft;
  const int toLeft = std::abs(estimate - left), toUp = std::abs(estimate - up),
            toUpLeft = std::abs(estimate - upLeft);
  if (toLeft <= toUp && toLeft <= toUpLeft) return static_cast<std::uint8_t>(left);
  if (toUp <= toUpLeft) return static_cast<std::uint8_t>(up);
  return static_cast<std::uint8_t>(upLeft);
}

// Every row with the Paeth filter, which suits maps: smooth land with edges.
std::vector<std::uint8_t> FilteredRows(const lister::RgbPicture& picture) {
  const std::size_t stride = 3 * static_cast<std::size_t>(picture.width);
  std::vector<std::uint8_t> rows((stride + 1) * static_cast<std::size_t>(picture.height));
  const std::vector<std::uint8_t> none(stride, 0);
  std::uint8_t* out = rows.data();
  for (int y = 0; y < picture.height; ++y) {
    const std::uint8_t* row = picture.pixels.data() + stride * static_cast<std::size_t>(y);
    const std::uint8_t* above = y > 0 ? row - stride : none.data();
    *out++ = 4;  // Paeth
    for (std::size_t i = 0; i < stride; ++i) {
      const int left = i >= 3 ? row[i - 3] : 0, upLeft = i >= 3 ? above[i - 3] : 0;
      *out++ = static_cast<std::uint8_t>(row[i] - Paeth(left, above[i], upLeft));
    }
  }
  return rows;
}

std::string Deflate(const std::vector<std::uint8_t>& data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::string out(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, data.data(),
                static_cast<uLong>(data.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
    throw std::bad_alloc();
  out.resize(size);
  return out;
}

}  // namespace

PictureSize FitWithin(int width, int height, int limit) {
  const std::int64_t larger = std::max(width, height);
  if (larger <= limit) return {width, height};
  auto scaled = [&](std::int64_t side) {
    return static_cast<int>(std::max<std::int64_t>(1, (side * limit + larger / 2) / larger));
  };
  return {scaled(width), scaled(height)};
}

lister::RgbPicture ScaleDown(const lister::RgbPicture& source, PictureSize size) {
  lister::RgbPicture scaled;
  scaled.width = size.width;
  scaled.height = size.height;
  const std::size_t stride = 3 * static_cast<std::size_t>(size.width);
  scaled.pixels.resize(stride * static_cast<std::size_t>(size.height));
  const Spans across = MakeSpans(source.width, size.width);
  const Spans down = MakeSpans(source.height, size.height);
  const std::size_t sourceStride = 3 * static_cast<std::size_t>(source.width);
  // The weights of an output row add up to the source height: at most
  // 16384 times 65280 in a sum, which fits 32 bits.
  const std::uint32_t total = kFraction * static_cast<std::uint32_t>(source.height);
  const Divider byTotal(total), bySourceWidth(static_cast<std::uint32_t>(source.width));

  std::vector<std::uint16_t> averages(stride);
  std::vector<std::uint32_t> sums(stride);
  for (int y = 0; y < size.height; ++y) {
    const Span& span = down.spans[static_cast<std::size_t>(y)];
    std::fill(sums.begin(), sums.end(), 0);
    for (int i = 0; i < span.count; ++i) {
      const std::uint8_t* row =
          source.pixels.data() + sourceStride * static_cast<std::size_t>(span.first + i);
      AverageAcross(row, across, static_cast<std::uint32_t>(source.width), bySourceWidth, averages);
      const std::uint32_t weight = down.weights[span.weights + static_cast<std::size_t>(i)];
      for (std::size_t x = 0; x < stride; ++x) sums[x] += weight * averages[x];
    }
    std::uint8_t* out = scaled.pixels.data() + stride * static_cast<std::size_t>(y);
    for (std::size_t x = 0; x < stride; ++x)
      out[x] = static_cast<std::uint8_t>(byTotal(sums[x] + total / 2));
  }
  return scaled;
}

std::string EncodePng(const lister::RgbPicture& picture) {
  std::string header;
  AppendU32(header, static_cast<std::uint32_t>(picture.width));
  AppendU32(header, static_cast<std::uint32_t>(picture.height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no interlace

  std::string png("\x89PNG\r\n\x1a\n", 8);
  AppendChunk(png, "IHDR", header);
  AppendChunk(png, "IDAT", Deflate(FilteredRows(picture)));
  AppendChunk(png, "IEND", "");
  return png;
}

}  // namespace katalog
