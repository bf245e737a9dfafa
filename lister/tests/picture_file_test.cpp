#include "picture_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "dds_bytes.h"
#include "posix_file_reader.h"

namespace lister {
namespace {

// A file that hands out at most `piece` bytes per read, may claim another
// size than it holds, and may fail after some bytes; it counts what it gave.
class TrickleReader : public FileReader {
 public:
  TrickleReader(std::vector<std::uint8_t> bytes, std::size_t piece)
      : claimedSize(bytes.size()), bytes_(std::move(bytes)), piece_(piece) {}

  std::uint64_t claimedSize;
  std::size_t failAfter = SIZE_MAX;
  std::size_t given = 0;

  std::uint64_t Size() const override { return claimedSize; }
  bool Read(std::uint8_t* buffer, std::size_t size, std::size_t& got, std::string& error) override {
    if (given >= failAfter) {
      error = "Ein Gerät ist nicht bereit.";
      return false;
    }
    got = std::min({size, piece_, bytes_.size() - given});
    std::copy_n(bytes_.data() + given, got, buffer);
    given += got;
    return true;
  }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t piece_;
};

std::vector<std::uint8_t> RandomBlocks(std::size_t bytes) {
  std::mt19937 random(7);
  std::vector<std::uint8_t> blocks(bytes);
  for (std::uint8_t& b : blocks) b = static_cast<std::uint8_t>(random());
  return blocks;
}

TEST(ReadDxt1Picture, DecodesPieceByPieceAsFromMemory) {
  // 40 rows of 2 KiB blocks span two pieces; the reader hands out odd amounts,
  // and the bytes after the block data are never asked for.
  std::vector<std::uint8_t> file = DdsFile(1024, 160, RandomBlocks(1024 * 160 / 2));
  RgbPicture expected;
  ASSERT_TRUE(DecodeDxt1(file.data(), file.size(), expected).Ok());
  file.resize(file.size() + 5000, 0xAB);

  TrickleReader reader(file, 777);
  RgbPicture picture;
  ASSERT_TRUE(ReadDxt1Picture(reader, picture).Ok());
  EXPECT_EQ(picture.width, 1024);
  EXPECT_EQ(picture.height, 160);
  EXPECT_TRUE(picture.pixels == expected.pixels);
  EXPECT_EQ(reader.given, kDdsHeaderSize + 1024 * 160 / 2);
}

TEST(ReadDxt1Picture, ShortOrFailingFilesAreRefusedWithoutAPicture) {
  const std::vector<std::uint8_t> file = DdsFile(256, 256, RandomBlocks(256 * 256 / 2));
  RgbPicture picture;
  picture.width = 7;

  // Known short from its size: refused before anything is allocated or read.
  TrickleReader cut(std::vector<std::uint8_t>(file.begin(), file.end() - 1), 4096);
  PictureResult result = ReadDxt1Picture(cut, picture);
  EXPECT_EQ(result.fault, PictureFault::BlockDataCut);
  EXPECT_EQ(result.blockBytes, 32768u);
  EXPECT_EQ(result.blockBytesFound, 32767u);
  EXPECT_EQ(cut.given, kDdsHeaderSize);

  // Cut while it is read: its size promised more.
  TrickleReader shrunk(std::vector<std::uint8_t>(file.begin(), file.begin() + 20000), 4096);
  shrunk.claimedSize = file.size();
  result = ReadDxt1Picture(shrunk, picture);
  EXPECT_EQ(result.fault, PictureFault::BlockDataCut);
  EXPECT_EQ(result.blockBytesFound, 20000u - kDdsHeaderSize);

  for (std::size_t failAfter : {std::size_t{0}, std::size_t{9000}}) {
    TrickleReader failing(file, 4096);
    failing.failAfter = failAfter;
    result = ReadDxt1Picture(failing, picture);
    EXPECT_EQ(result.fault, PictureFault::Unreadable);
    EXPECT_EQ(result.systemText, "Ein Gerät ist nicht bereit.");
  }
  EXPECT_EQ(picture.width, 7);
}

long PeakResidentKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Counts the bytes read from the file it wraps.
class CountingReader : public FileReader {
 public:
  explicit CountingReader(FileReader& file) : file_(file) {}
  std::uint64_t read = 0;

  std::uint64_t Size() const override { return file_.Size(); }
  bool Read(std::uint8_t* buffer, std::size_t size, std::size_t& got, std::string& error) override {
    const bool ok = file_.Read(buffer, size, got, error);
    read += got;
    return ok;
  }

 private:
  FileReader& file_;
};

// A picture file of 20 GB whose blocks are a hole: the picture takes the
// header and its 2 MB of block data, and the rest of the file is not read.
TEST(ReadDxt1Picture, SparseFileFarLargerThanMemoryIsReadOnlyAsFarAsItsBlocks) {
  const std::string path = ::testing::TempDir() + "sparse_Color.dds";
  const std::vector<std::uint8_t> header = DdsFile(2048, 2048, {});
  {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(std::fwrite(header.data(), 1, header.size(), file), header.size());
    std::fflush(file);
    const bool grown = ftruncate(fileno(file), 20LL << 30) == 0;
    std::fclose(file);
    if (!grown) GTEST_SKIP() << "no file of 20 GB possible here";
  }
  const long peakBefore = PeakResidentKilobytes();
  std::string error;
  std::unique_ptr<FileReader> file = OpenPosixFile(path, error);
  ASSERT_NE(file, nullptr) << error;
  EXPECT_EQ(file->Size(), 20ull << 30);
  CountingReader counting(*file);
  RgbPicture picture;
  EXPECT_TRUE(ReadDxt1Picture(counting, picture).Ok());
  EXPECT_EQ(picture.pixels.size(), 2048u * 2048 * 3);
  EXPECT_EQ(counting.read, kDdsHeaderSize + 2048 * 2048 / 2);
  // The 12 MB picture and a piece buffer, nothing in proportion to the file.
  EXPECT_LT(PeakResidentKilobytes() - peakBefore, 64 * 1024);
  std::remove(path.c_str());
}

}  // namespace
}  // namespace lister
