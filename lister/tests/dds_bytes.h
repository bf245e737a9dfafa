// DDS files made in memory for the decoder and loader tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace lister {

inline void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// One DXT1 block: two RGB 5:6:5 colours and sixteen 2-bit indices, row by row.
inline std::vector<std::uint8_t> Dxt1Block(std::uint16_t colour0, std::uint16_t colour1,
                                           std::uint32_t indices) {
  std::vector<std::uint8_t> block(8);
  block[0] = static_cast<std::uint8_t>(colour0);
  block[1] = static_cast<std::uint8_t>(colour0 >> 8);
  block[2] = static_cast<std::uint8_t>(colour1);
  block[3] = static_cast<std::uint8_t>(colour1 >> 8);
  PutU32(block, 4, indices);
  return block;
}

// A 128-byte header with the given size and pixel format, then the data.
inline std::vector<std::uint8_t> DdsFile(std::uint32_t width, std::uint32_t height,
                                         const std::vector<std::uint8_t>& data,
                                         const char* format = "DXT1") {
  std::vector<std::uint8_t> file(128 + data.size(), 0);
  std::memcpy(file.data(), "DDS ", 4);
  PutU32(file, 4, 124);
  PutU32(file, 12, height);
  PutU32(file, 16, width);
  std::memcpy(file.data() + 84, format, 4);
  std::copy(data.begin(), data.end(), file.begin() + 128);
  return file;
}

}  // namespace lister
