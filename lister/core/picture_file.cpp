#include "picture_file.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace lister {
namespace {

// Reads `size` bytes unless the file ends first.
bool ReadUpTo(FileReader& file, std::uint8_t* buffer, std::size_t size, std::size_t& got,
              std::string& error) {
  got = 0;
  while (got < size) {
    std::size_t piece = 0;
    if (!file.Read(buffer + got, size - got, piece, error)) return false;
    if (piece == 0) break;
    got += piece;
  }
  return true;
}

PictureResult Unreadable(std::string systemText) {
  PictureResult result;
  result.fault = PictureFault::Unreadable;
  result.systemText = std::move(systemText);
  return result;
}

}  // namespace

PictureResult ReadDxt1Picture(FileReader& file, RgbPicture& picture) {
  std::uint8_t header[kDdsHeaderSize];
  std::size_t got = 0;
  std::string error;
  if (!ReadUpTo(file, header, sizeof header, got, error)) return Unreadable(error);
  PictureResult result = ReadDdsHeader(header, got);
  if (!result.Ok()) return result;

  const std::uint64_t size = file.Size();
  const std::uint64_t available = size > kDdsHeaderSize ? size - kDdsHeaderSize : 0;
  RgbPicture decoded;
  result = AllocateDxt1Picture(result, available, decoded);
  if (!result.Ok()) return result;

  const std::size_t rowBytes = Dxt1BlockRowBytes(decoded);
  const std::uint32_t rows = result.height / 4;
  if (rowBytes > 0 && rows > 0) {
    const std::uint32_t rowsPerPiece =
        static_cast<std::uint32_t>(std::max<std::size_t>(1, kPictureReadPiece / rowBytes));
    std::vector<std::uint8_t> piece(std::min(rowsPerPiece, rows) * rowBytes);
    for (std::uint32_t row = 0; row < rows;) {
      const std::uint32_t count = std::min(rowsPerPiece, rows - row);
      if (!ReadUpTo(file, piece.data(), count * rowBytes, got, error)) return Unreadable(error);
      // The file was cut while it was read.
      if (got < count * rowBytes) {
        result.fault = PictureFault::BlockDataCut;
        result.blockBytesFound = row * rowBytes + got;
        return result;
      }
      DecodeDxt1Rows(piece.data(), row, count, decoded);
      row += count;
    }
  }
  picture = std::move(decoded);
  return result;
}

PictureResult LoadScenarioPicture(Platform& platform, const std::string& path,
                                  RgbPicture& picture) {
  std::string error;
  std::unique_ptr<FileReader> file = platform.OpenForReading(path, error);
  if (file == nullptr) return Unreadable(error);
  return ReadDxt1Picture(*file, picture);
}

}  // namespace lister
