#include "posix_file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace lister {
namespace {

class PosixFileReader : public FileReader {
 public:
  PosixFileReader(int descriptor, std::uint64_t size) : descriptor_(descriptor), size_(size) {}
  PosixFileReader(const PosixFileReader&) = delete;
  PosixFileReader& operator=(const PosixFileReader&) = delete;
  ~PosixFileReader() override { close(descriptor_); }

  std::uint64_t Size() const override { return size_; }

  bool Read(std::uint8_t* buffer, std::size_t size, std::size_t& got, std::string& error) override {
    got = 0;
    while (got < size) {
      const ssize_t piece = read(descriptor_, buffer + got, size - got);
      if (piece < 0 && errno == EINTR) continue;
      if (piece < 0) {
        error = std::strerror(errno);
        return false;
      }
      if (piece == 0) break;
      got += static_cast<std::size_t>(piece);
    }
    return true;
  }

 private:
  int descriptor_;
  std::uint64_t size_;
};

}  // namespace

std::unique_ptr<FileReader> OpenPosixFile(const std::string& path, std::string& error) {
  const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) {
    error = std::strerror(errno);
    return nullptr;
  }
  struct stat status;
  if (fstat(descriptor, &status) != 0) {
    error = std::strerror(errno);
    close(descriptor);
    return nullptr;
  }
  return std::make_unique<PosixFileReader>(descriptor, static_cast<std::uint64_t>(status.st_size));
}

}  // namespace lister
