#include "map_picture.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
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

// Sixteen channels at once, in the vector extension of GCC (12 and later)
// and Clang: one SSE2 register on x86-64, in both builds, with the same
// integer results as one channel at a time. Sums take two registers of eight
// 16-bit lanes: the low eight channels and the high eight.
using Bytes = std::uint8_t __attribute__((vector_size(16)));
using Lanes = std::uint16_t __attribute__((vector_size(16)));
constexpr std::size_t kChannels = 16;

template <typename To, typename From>
To BitCast(const From& from) {
  static_assert(sizeof(To) == sizeof(From), "same size");
  To to;
  std::memcpy(&to, &from, sizeof to);
  return to;
}

Bytes LoadBytes(const std::uint8_t* bytes) {
  Bytes loaded;
  std::memcpy(&loaded, bytes, sizeof loaded);
  return loaded;
}

void StoreBytes(std::uint8_t* bytes, Bytes value) { std::memcpy(bytes, &value, sizeof value); }

struct Halves {
  Lanes low, high;
};

Halves Widen(Bytes bytes) {
  const Bytes zero{};
  return {BitCast<Lanes>(__builtin_shufflevector(bytes, zero, 0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5,
                                                 21, 6, 22, 7, 23)),
          BitCast<Lanes>(__builtin_shufflevector(bytes, zero, 8, 24, 9, 25, 10, 26, 11, 27, 12, 28,
                                                 13, 29, 14, 30, 15, 31))};
}

// Each lane's low 8 bits.
Bytes Narrow(Lanes low, Lanes high) {
  return __builtin_shufflevector(BitCast<Bytes>(low), BitCast<Bytes>(high), 0, 2, 4, 6, 8, 10, 12,
                                 14, 16, 18, 20, 22, 24, 26, 28, 30);
}

lister::RgbPicture BlankPicture(PictureSize size) {
  lister::RgbPicture picture;
  picture.width = size.width;
  picture.height = size.height;
  picture.pixels.resize(3 * static_cast<std::size_t>(size.width) * size.height);
  return picture;
}

// The factor, a power of two up to 16, by which both sides of `from` are
// those of `to`; 0 when there is none.
int ExactFactor(PictureSize from, PictureSize to) {
  for (int factor = 1; factor <= 16; factor *= 2)
    if (from.width == factor * to.width && from.height == factor * to.height) return factor;
  return 0;
}

PictureSize SizeOf(const lister::RgbPicture& picture) { return {picture.width, picture.height}; }

// Which way a mean exactly halfway between two steps goes.
enum class Ties { Up, Down };

// The sums of kRows rows of a picture's channels.
template <int kRows>
void SumRows(const std::uint8_t* first, std::size_t stride, std::uint16_t* sums) {
  std::size_t x = 0;
  for (; x + kChannels <= stride; x += kChannels) {
    Halves sum = Widen(LoadBytes(first + x));
    for (int r = 1; r < kRows; ++r) {
      const Halves row = Widen(LoadBytes(first + stride * static_cast<std::size_t>(r) + x));
      sum.low += row.low;
      sum.high += row.high;
    }
    std::memcpy(sums + x, &sum, sizeof sum);
  }
  for (; x < stride; ++x) {
    sums[x] = 0;
    for (int r = 0; r < kRows; ++r) sums[x] += first[stride * static_cast<std::size_t>(r) + x];
  }
}

// rows: a power of two from 2 to 16.
void SumRows(const std::uint8_t* first, std::size_t stride, int rows, std::uint16_t* sums) {
  switch (rows) {
    case 2: return SumRows<2>(first, stride, sums);
    case 4: return SumRows<4>(first, stride, sums);
    case 8: return SumRows<8>(first, stride, sums);
    default: return SumRows<16>(first, stride, sums);
  }
}

// Halves a row of pixel sums in place: pixel x becomes the sum of pixels 2x
// and 2x + 1 (`pixels` of them afterwards). A pixel's three 16-bit channels
// and the next pixel's first ride in one 64-bit word, whose addition never
// carries from one channel into the next, since no sum reaches 2^16; the
// store's fourth channel is overwritten by the next pixel's. The row holds
// one channel more than its pixels, which the last pixel reads.
void AddPixelPairs(std::uint16_t* sums, std::size_t pixels) {
  for (std::size_t x = 0; x < pixels; ++x) {
    std::uint64_t left, right;
    std::memcpy(&left, sums + 6 * x, sizeof left);
    std::memcpy(&right, sums + 6 * x + 3, sizeof right);
    left += right;
    std::memcpy(sums + 3 * x, &left, sizeof left);
  }
}

// The picture reduced by an exact factor: each channel the rounded mean of a
// factor by factor square, summed down first and then across, where a sum of
// at most 256 channels fits 16 bits.
lister::RgbPicture BoxDown(const lister::RgbPicture& source, int factor, Ties ties) {
  if (factor == 1) return source;
  int shift = 0;
  while ((1 << shift) < factor * factor) ++shift;
  const std::uint16_t bias = static_cast<std::uint16_t>((1 << shift) / 2 - (ties == Ties::Down));
  lister::RgbPicture scaled = BlankPicture({source.width / factor, source.height / factor});
  const std::size_t sourceStride = 3 * static_cast<std::size_t>(source.width);
  const std::size_t stride = 3 * static_cast<std::size_t>(scaled.width);
  std::vector<std::uint16_t> sums(sourceStride + 1);
  for (int y = 0; y < scaled.height; ++y) {
    SumRows(source.pixels.data() + sourceStride * static_cast<std::size_t>(y) * factor,
            sourceStride, factor, sums.data());
    for (std::size_t pixels = static_cast<std::size_t>(source.width) / 2;
         pixels >= static_cast<std::size_t>(scaled.width); pixels /= 2)
      AddPixelPairs(sums.data(), pixels);
    std::uint8_t* out = scaled.pixels.data() + stride * static_cast<std::size_t>(y);
    std::size_t x = 0;
    for (; x + kChannels <= stride; x += kChannels) {
      Halves sum;
      std::memcpy(&sum, &sums[x], sizeof sum);
      StoreBytes(out + x, Narrow((sum.low + bias) >> shift, (sum.high + bias) >> shift));
    }
    for (; x < stride; ++x) out[x] = static_cast<std::uint8_t>((sums[x] + bias) >> shift);
  }
  return scaled;
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

template <typename T>
T Larger(T a, T b) {
  return a > b ? a : b;
}
template <typename T>
T Smaller(T a, T b) {
  return a < b ? a : b;
}
template <typename T>
T Distance(T a, T b) {
  return Larger(a, b) - Smaller(a, b);
}

// The Paeth predictor, for one channel (int) or for sixteen (Bytes), in
// values that fit a byte: of left, up and upLeft the nearest to
// left + up - upLeft, in that order. Its distances from left and up are those
// of up and left from upLeft; from upLeft it is their sum, farther than both,
// when left and up lie on the same side of upLeft, and else their difference.
template <typename T>
T PaethPrediction(T left, T up, T upLeft) {
  const T toLeft = Distance(up, upLeft), toUp = Distance(left, upLeft);
  const auto sameSide = (Larger(up, upLeft) == up) == (Larger(left, upLeft) == left);
  const T toUpLeft = Distance(toLeft, toUp);  // unless on the same side
  const auto leftNearest = (toLeft <= toUp) & (sameSide | (toLeft <= toUpLeft));
  const auto upNearer = sameSide | (toUp <= toUpLeft);
  return leftNearest ? left : upNearer ? up : upLeft;
}

// One row with the Paeth filter, which suits maps: smooth land with edges.
// `out` takes the filter type and then the row's stride bytes.
void FilterRow(const std::uint8_t* row, const std::uint8_t* above, std::size_t stride,
               std::uint8_t* out) {
  *out++ = 4;  // Paeth
  std::size_t i = 0;
  for (; i < 3 && i < stride; ++i) out[i] = static_cast<std::uint8_t>(row[i] - above[i]);
  for (; i + kChannels <= stride; i += kChannels)
    StoreBytes(out + i,
               LoadBytes(row + i) - PaethPrediction(LoadBytes(row + i - 3), LoadBytes(above + i),
                                                    LoadBytes(above + i - 3)));
  for (; i < stride; ++i)
    out[i] = static_cast<std::uint8_t>(row[i] -
                                       PaethPrediction<int>(row[i - 3], above[i], above[i - 3]));
}

// Matches of runs of one byte only: map pictures filtered with Paeth are
// mostly runs of zeros, which this finds several times faster than the
// default level's search of the window, for files a few per cent larger.
// The memory level sizes the symbol buffer and the hash table, which runs do
// not use but deflate still ages every 32 KiB: 6 counted the fewest
// instructions, for files 0.5% larger than at the default 8.
constexpr int kDeflateLevel = Z_BEST_SPEED;
constexpr int kDeflateMemLevel = 6;
constexpr int kDeflateStrategy = Z_RLE;
// Filtered rows go to deflate in batches of about this many bytes.
constexpr std::size_t kBatchBytes = std::size_t{1} << 16;
// The zlib header deflate writes for these settings: a 32 KiB window, the
// fastest level.
constexpr char kZlibHeader[] = "\x78\x01";

// The Adler-32 checksum that ends a zlib stream, sixteen bytes at a time: a
// quarter of the instructions of zlib's, which goes one byte at a time.
class Adler32 {
 public:
  void Add(const std::uint8_t* data, std::size_t size);
  std::uint32_t Value() const { return second_ << 16 | first_; }

 private:
  static constexpr std::uint32_t kModulus = 65521;
  // For each of the sixteen positions of a block's chunks, the sum of its
  // bytes and the sum of those sums before each chunk: at most 23 * 22 / 2
  // times 255 for 23 chunks, which fits 16 bits.
  static constexpr std::size_t kBlockChunks = 23;

  std::uint32_t first_ = 1;   // 1 + the sum of the bytes
  std::uint32_t second_ = 0;  // the sum of the first sum after each byte
};

void Adler32::Add(const std::uint8_t* data, std::size_t size) {
  while (size >= kChannels) {
    const std::size_t chunks = std::min(kBlockChunks, size / kChannels);
    Halves sums{}, sumsBefore{};
    for (std::size_t c = 0; c < chunks; ++c, data += kChannels) {
      sumsBefore.low += sums.low;
      sumsBefore.high += sums.high;
      const Halves bytes = Widen(LoadBytes(data));
      sums.low += bytes.low;
      sums.high += bytes.high;
    }
    size -= chunks * kChannels;
    std::uint16_t column[kChannels], before[kChannels];
    std::memcpy(column, &sums, sizeof column);
    std::memcpy(before, &sumsBefore, sizeof before);
    // Each chunk adds the first sum so far for each of its bytes, and its
    // byte at position i once for each of the kChannels - i bytes from it on.
    std::uint32_t added = 0, weighted = 0, earlier = 0;
    for (std::size_t i = 0; i < kChannels; ++i) {
      added += column[i];
      weighted += static_cast<std::uint32_t>(kChannels - i) * column[i];
      earlier += before[i];
    }
    second_ = static_cast<std::uint32_t>(
        (second_ + kChannels * (chunks * first_ + earlier) + weighted) % kModulus);
    first_ = (first_ + added) % kModulus;
  }
  for (; size > 0; --size, ++data) {
    first_ = (first_ + *data) % kModulus;
    second_ = (second_ + first_) % kModulus;
  }
}

// A raw deflate stream that writes onto the end of a text: into `room` bytes
// first, then into as many more as it needs.
class Deflater {
 public:
  Deflater(std::string& out, std::size_t room) : out_(out), used_(out.size()) {
    out_.resize(used_ + std::max<std::size_t>(room, 1));
    if (deflateInit2(&stream_, kDeflateLevel, Z_DEFLATED, -15, kDeflateMemLevel,
                     kDeflateStrategy) != Z_OK)
      throw std::bad_alloc();
  }
  Deflater(const Deflater&) = delete;
  Deflater& operator=(const Deflater&) = delete;
  ~Deflater() { deflateEnd(&stream_); }

  void Add(const std::uint8_t* data, std::size_t size) { Run(data, size, Z_NO_FLUSH); }
  // Ends the stream and the text after it.
  void Finish() {
    Run(nullptr, 0, Z_FINISH);
    out_.resize(used_);
  }

 private:
  void Run(const std::uint8_t* data, std::size_t size, int flush) {
    stream_.next_in = const_cast<Bytef*>(data);
    stream_.avail_in = static_cast<uInt>(size);
    int status = Z_OK;
    do {
      if (used_ == out_.size()) out_.resize(2 * out_.size());
      stream_.next_out = reinterpret_cast<Bytef*>(&out_[used_]);
      stream_.avail_out = static_cast<uInt>(out_.size() - used_);
      status = deflate(&stream_, flush);
      if (status == Z_STREAM_ERROR) throw std::logic_error("deflate");
      used_ = out_.size() - stream_.avail_out;
    } while (stream_.avail_out == 0 || (flush == Z_FINISH && status != Z_STREAM_END));
  }

  z_stream stream_{};
  std::string& out_;
  std::size_t used_;
};

// Appends the IDAT chunk: every row filtered and deflated, a batch at a time,
// in a zlib stream.
void AppendImageData(std::string& png, const lister::RgbPicture& picture) {
  const std::size_t stride = 3 * static_cast<std::size_t>(picture.width);
  const std::size_t lengthAt = png.size();
  AppendU32(png, 0);
  png.append("IDAT", 4);
  png.append(kZlibHeader, 2);
  Adler32 checksum;
  {
    // Room for a well compressed picture to start with.
    Deflater deflater(png, (stride + 1) * static_cast<std::size_t>(picture.height) / 16 + 1024);
    const std::size_t rowsPerBatch = std::max<std::size_t>(1, kBatchBytes / (stride + 1));
    std::vector<std::uint8_t> batch(rowsPerBatch * (stride + 1));
    const std::vector<std::uint8_t> none(stride, 0);
    for (int y = 0; y < picture.height;) {
      std::uint8_t* out = batch.data();
      for (std::size_t n = 0; n < rowsPerBatch && y < picture.height; ++n, ++y, out += stride + 1) {
        const std::uint8_t* row = picture.pixels.data() + stride * static_cast<std::size_t>(y);
        FilterRow(row, y > 0 ? row - stride : none.data(), stride, out);
      }
      const std::size_t filtered = static_cast<std::size_t>(out - batch.data());
      checksum.Add(batch.data(), filtered);
      deflater.Add(batch.data(), filtered);
    }
    deflater.Finish();
  }
  AppendU32(png, checksum.Value());
  const std::size_t dataSize = png.size() - lengthAt - 8;
  for (int i = 0; i < 4; ++i) png[lengthAt + i] = static_cast<char>(dataSize >> (24 - 8 * i));
  const auto* checked = reinterpret_cast<const Bytef*>(png.data() + lengthAt + 4);
  AppendU32(png, static_cast<std::uint32_t>(crc32(0, checked, static_cast<uInt>(4 + dataSize))));
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
  if (const int factor = ExactFactor(SizeOf(source), size))
    return BoxDown(source, factor, Ties::Up);
  lister::RgbPicture scaled = BlankPicture(size);
  const std::size_t stride = 3 * static_cast<std::size_t>(size.width);
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

// A detail picture reduced exactly from the map is within half a step of the
// map's averages, rounding ties up; reduced exactly again, with ties rounded
// down, the thumbnail stays within less than one step of them.
MapPictures MakeMapPictures(const lister::RgbPicture& map) {
  MapPictures pictures;
  pictures.detail = ScaleDown(map, FitWithin(map.width, map.height, kDetailLimit));
  const PictureSize small = FitWithin(map.width, map.height, kThumbnailLimit);
  const int detailFactor = ExactFactor(SizeOf(map), SizeOf(pictures.detail));
  const int thumbnailFactor = ExactFactor(SizeOf(pictures.detail), small);
  if (detailFactor != 0 && thumbnailFactor != 0)
    pictures.thumbnail = BoxDown(pictures.detail, thumbnailFactor, Ties::Down);
  else
    pictures.thumbnail = ScaleDown(map, small);
  return pictures;
}

std::string EncodePng(const lister::RgbPicture& picture) {
  std::string header;
  AppendU32(header, static_cast<std::uint32_t>(picture.width));
  AppendU32(header, static_cast<std::uint32_t>(picture.height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no interlace

  std::string png("\x89PNG\r\n\x1a\n", 8);
  AppendChunk(png, "IHDR", header);
  AppendImageData(png, picture);
  AppendChunk(png, "IEND", "");
  return png;
}

}  // namespace katalog
