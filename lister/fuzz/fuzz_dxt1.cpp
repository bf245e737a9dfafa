// Arbitrary bytes as a scenario picture: the decoder either refuses them
// with a message or returns a picture of the stated size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "dxt1.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> file(data, data + size);
  lister::RgbPicture picture;
  std::string error;
  if (lister::DecodeDxt1(file, picture, error)) {
    const std::size_t expected =
        static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height) * 3;
    if (picture.pixels.size() != expected || !error.empty()) std::abort();
  } else if (error.empty()) {
    std::abort();
  }
  return 0;
}
