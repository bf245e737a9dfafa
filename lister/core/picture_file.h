// Reading the scenario picture from its file: the header first, then the
// block data in pieces, decoded as they arrive. Nothing after the block data
// is read, and nothing is allocated for the picture before the file has shown
// that it holds the block data its header promises.
#pragma once

#include <string>

#include "dxt1.h"
#include "file_reader.h"
#include "platform.h"

namespace lister {

// Bytes of block data read at a time (at least one row of blocks).
inline constexpr std::size_t kPictureReadPiece = 64 * 1024;

PictureResult ReadDxt1Picture(FileReader& file, RgbPicture& picture);

// Opens the file through the platform and reads it.
PictureResult LoadScenarioPicture(Platform& platform, const std::string& path, RgbPicture& picture);

}  // namespace lister
