// The scenario picture: a DirectDraw Surface file whose first, full-size
// image is DXT1 block-compressed, decoded to plain RGB. Works on bytes only,
// so that any program can decode pictures, with or without a window.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "picture.h"

namespace lister {

inline constexpr std::size_t kDdsHeaderSize = 128;
// Larger pictures are refused before anything is allocated for them.
inline constexpr std::uint32_t kMaxPictureSide = 16384;

// Why a picture was refused; the caller chooses the words.
enum class PictureFault {
  None,
  HeaderCut,     // the file is shorter than the header
  NotDxt1,       // the pixel format code is not "DXT1"
  TooLarge,      // a side above kMaxPictureSide
  BlockDataCut,  // the file ends before the block data do
  NoMemory,      // the picture cannot be allocated
  Unreadable,    // the file cannot be opened or read
};

// The outcome of a decode, with the figures a message about it names.
struct PictureResult {
  PictureFault fault = PictureFault::None;
  std::uint32_t width = 0;  // as the header states them
  std::uint32_t height = 0;
  std::array<std::uint8_t, 4> format{};  // the pixel format code
  std::uint64_t fileSize = 0;            // HeaderCut: the bytes the file holds
  std::uint64_t blockBytes = 0;          // width * height / 2, the block data required
  std::uint64_t blockBytesFound = 0;     // BlockDataCut: the block data present
  std::string systemText;                // Unreadable: the system's reason

  bool Ok() const { return fault == PictureFault::None; }
};

// The four colours of one block. Channels are expanded to 8 bits by
// rounding to the nearest integer, ties to even; the two mixed entries are
// interpolated on the 5- and 6-bit values and scaled once. When colour 0 is
// not above colour 1, entry 3 is magenta.
std::array<Rgb, 4> Dxt1Palette(std::uint16_t colour0, std::uint16_t colour1);

// Checks the first kDdsHeaderSize bytes of a file (fewer give HeaderCut):
// format and sides. Fills width, height, format and blockBytes as far as
// it gets.
PictureResult ReadDdsHeader(const std::uint8_t* bytes, std::size_t size);

// Makes the picture for a checked header when the file holds all the block
// data it promises (blockBytesPresent: the bytes after the header): its pixels
// not yet decoded except the black margins that a width or height not a
// multiple of 4 leaves. Else the header's result with BlockDataCut or NoMemory.
PictureResult AllocateDxt1Picture(PictureResult header, std::uint64_t blockBytesPresent,
                                  RgbPicture& picture);

// The block data of one row of blocks (four rows of pixels).
std::size_t Dxt1BlockRowBytes(const RgbPicture& picture);

// Decodes rowCount rows of blocks, starting at block row firstRow, from
// `blocks` (rowCount * Dxt1BlockRowBytes bytes) into an allocated picture.
void DecodeDxt1Rows(const std::uint8_t* blocks, std::uint32_t firstRow, std::uint32_t rowCount,
                    RgbPicture& picture);

// Decodes a whole DDS file held in memory. On failure the picture is left
// untouched.
PictureResult DecodeDxt1(const std::uint8_t* file, std::size_t size, RgbPicture& picture);

}  // namespace lister
