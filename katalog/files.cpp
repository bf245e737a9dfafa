#include "files.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <system_error>

#include "analyze.h"
#include "katalog_texts.h"
#include "system_reason.h"

namespace katalog {
namespace {

namespace fs = std::filesystem;

fs::path PathOf(const std::string& utf8) { return fs::u8path(utf8); }

std::string FileName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// 64-bit positions on both platforms.
bool SeekTo(FILE* file, std::int64_t offset, int origin) {
#ifdef _WIN32
  return _fseeki64(file, offset, origin) == 0;
#else
  return fseeko(file, offset, origin) == 0;
#endif
}

std::int64_t Tell(FILE* file) {
#ifdef _WIN32
  return _ftelli64(file);
#else
  return ftello(file);
#endif
}

class StdioFileReader : public lister::FileReader {
 public:
  StdioFileReader(FILE* file, std::uint64_t size, std::string name)
      : file_(file), size_(size), name_(std::move(name)) {}
  StdioFileReader(const StdioFileReader&) = delete;
  StdioFileReader& operator=(const StdioFileReader&) = delete;
  ~StdioFileReader() override { std::fclose(file_); }

  std::uint64_t Size() const override { return size_; }
  bool Read(std::uint8_t* buffer, std::size_t size, std::size_t& got, std::string& error) override {
    got = std::fread(buffer, 1, size, file_);
    if (got < size && std::ferror(file_)) {
      error = german::FillIn(german::kCannotRead, {name_});
      return false;
    }
    return true;
  }

 private:
  FILE* file_;
  std::uint64_t size_;
  std::string name_;
};

}  // namespace

bool IsFile(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(PathOf(path), error);
}

FILE* OpenRegularFile(const std::string& path) {
#ifdef _WIN32
  if (!IsFile(path)) return nullptr;
  return OpenScenarioFile(path.c_str());
#else
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat status;
  FILE* file = nullptr;
  if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
      fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0)
    file = fdopen(fd, "rb");
  if (file == nullptr) close(fd);
  return file;
#endif
}

bool IsDirectory(const std::string& path) {
  std::error_code error;
  return fs::is_directory(PathOf(path), error);
}

bool PathExists(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::symlink_status(PathOf(path), error);
  return fs::exists(status);
}

bool ListFolder(const std::string& folder, std::vector<FolderEntry>& entries, std::string& reason) {
  entries.clear();
  std::error_code error;
  fs::directory_iterator it(PathOf(folder), error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::error_code kindError;
    const bool directory = it->is_directory(kindError);
    try {
      entries.push_back({it->path().filename().u8string(), directory});
    } catch (const std::exception&) {
      // A Windows name that is no valid UTF-16 has no UTF-8 form: no file of ours.
    }
  }
  if (error) reason = SystemReason(error);
  return !error;
}

std::unique_ptr<lister::FileReader> OpenFileReader(const std::string& path, std::string& error) {
  FILE* file = OpenRegularFile(path);
  if (file == nullptr) {
    error = german::FillIn(german::kCannotOpen, {FileName(path)});
    return nullptr;
  }
  std::int64_t size = -1;
  if (SeekTo(file, 0, SEEK_END)) size = Tell(file);
  if (size < 0 || !SeekTo(file, 0, SEEK_SET)) {
    std::fclose(file);
    error = german::FillIn(german::kCannotRead, {FileName(path)});
    return nullptr;
  }
  return std::make_unique<StdioFileReader>(file, static_cast<std::uint64_t>(size), FileName(path));
}

bool ReadWholeFile(const std::string& path, std::uint64_t maxBytes, std::string& bytes,
                   std::string& error) {
  bytes.clear();
  std::unique_ptr<lister::FileReader> file = OpenFileReader(path, error);
  if (!file) return false;
  if (file->Size() > maxBytes) {
    error = german::FillIn(german::kFileTooLarge,
                           {FileName(path), std::to_string(maxBytes / (1024 * 1024))});
    return false;
  }
  bytes.reserve(static_cast<std::size_t>(file->Size()));
  // The file may grow while it is read: one byte past the limit is enough to know.
  std::uint8_t piece[65536];
  for (;;) {
    const std::uint64_t room = maxBytes - bytes.size();
    const std::size_t wanted =
        room < sizeof piece ? static_cast<std::size_t>(room) + 1 : sizeof piece;
    std::size_t got = 0;
    if (!file->Read(piece, wanted, got, error)) {
      bytes.clear();
      return false;
    }
    if (got == 0) return true;
    if (bytes.size() + got > maxBytes) {
      bytes.clear();
      error = german::FillIn(german::kFileTooLarge,
                             {FileName(path), std::to_string(maxBytes / (1024 * 1024))});
      return false;
    }
    bytes.append(reinterpret_cast<const char*>(piece), got);
  }
}

bool MakeFolder(const std::string& path, std::string& reason) {
  std::error_code error;
  const bool made = fs::create_directory(PathOf(path), error) && !error;
  if (error) reason = SystemReason(error);
  return made;
}

bool MakeFolders(const std::string& path, std::string& reason) {
  std::error_code error;
  fs::create_directories(PathOf(path), error);
  if (error)
    reason = SystemReason(error);
  else if (!IsDirectory(path))
    reason = german::kReasonNotAFolder;
  return reason.empty();
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  const char last = folder.back();
  if (last == '/' || last == '\\') return folder + name;
#ifdef _WIN32
  return folder + "\\" + name;
#else
  return folder + "/" + name;
#endif
}

}  // namespace katalog
