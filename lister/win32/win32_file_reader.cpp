#include "win32_file_reader.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "system_error.h"
#include "wide.h"

namespace lister {
namespace {

std::string LastErrorText() { return Narrow(SystemErrorText(GetLastError())); }

// Closes the file handle whatever path leaves its scope.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  FileHandle(FileHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  ~FileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

class Win32FileReader : public FileReader {
 public:
  Win32FileReader(FileHandle file, std::uint64_t size) : file_(std::move(file)), size_(size) {}

  std::uint64_t Size() const override { return size_; }

  bool Read(std::uint8_t* buffer, std::size_t size, std::size_t& got, std::string& error) override {
    got = 0;
    while (got < size) {
      // ReadFile takes at most a DWORD of bytes at a time.
      const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(size - got, 1u << 30));
      DWORD read = 0;
      if (!ReadFile(file_.Get(), buffer + got, piece, &read, nullptr)) {
        error = LastErrorText();
        return false;
      }
      if (read == 0) break;
      got += read;
    }
    return true;
  }

 private:
  FileHandle file_;
  std::uint64_t size_;
};

}  // namespace

std::unique_ptr<FileReader> OpenWin32File(const std::wstring& path, std::string& error) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) {
    error = LastErrorText();
    return nullptr;
  }
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size)) {
    error = LastErrorText();
    return nullptr;
  }
  return std::make_unique<Win32FileReader>(std::move(file),
                                           static_cast<std::uint64_t>(size.QuadPart));
}

}  // namespace lister
