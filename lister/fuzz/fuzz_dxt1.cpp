// Arbitrary bytes as a scenario picture, decoded from memory and read from a
// file piece by piece: both refuse it for the same reason, or both return the
// same picture of the stated size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "dxt1.h"
#include "file_reader.h"
#include "picture_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lister::RgbPicture fromMemory;
  const lister::PictureResult decoded = lister::DecodeDxt1(data, size, fromMemory);
  if (decoded.Ok()) {
    const std::size_t expected = std::size_t{decoded.width} * decoded.height * 3;
    if (fromMemory.pixels.size() != expected) std::abort();
  }

  lister::MemoryFileReader file(std::vector<std::uint8_t>(data, data + size));
  lister::RgbPicture fromFile;
  const lister::PictureResult read = lister::ReadDxt1Picture(file, fromFile);
  if (read.fault != decoded.fault || read.blockBytesFound != decoded.blockBytesFound) std::abort();
  if (decoded.Ok() && !(fromFile.pixels == fromMemory.pixels)) std::abort();
  return 0;
}
