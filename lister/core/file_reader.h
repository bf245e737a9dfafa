// A file opened for reading, read from its start in pieces, so that a reader
// takes only the bytes it uses, whatever the file's size.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace lister {

class FileReader {
 public:
  virtual ~FileReader() = default;

  // The file's size when it was opened.
  virtual std::uint64_t Size() const = 0;
  // Reads up to `size` bytes at the current position; `got` is below `size`
  // only at the end of the file. On failure false and the system's text.
  virtual bool Read(std::uint8_t* buffer, std::size_t size, std::size_t& got,
                    std::string& error) = 0;
};

// A file's bytes held in memory, read like a file.
class MemoryFileReader : public FileReader {
 public:
  explicit MemoryFileReader(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  std::uint64_t Size() const override { return bytes_.size(); }
  bool Read(std::uint8_t* buffer, std::size_t size, std::size_t& got, std::string&) override {
    got = std::min(size, bytes_.size() - position_);
    std::copy_n(bytes_.data() + position_, got, buffer);
    position_ += got;
    return true;
  }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

}  // namespace lister
