// Folder on Linux: every operation is relative to the held descriptor, so a
// name replaced by a link or moved away during the run changes nothing of
// where the run writes, and O_NOFOLLOW and AT_SYMLINK_NOFOLLOW keep every
// last step of a name from following a link.
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "folder.h"

namespace katalog {
namespace {

EntryKind KindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return EntryKind::File;
  if (S_ISDIR(mode)) return EntryKind::Folder;
  return EntryKind::Other;
}

EntryKind KindAt(int fd, const char* name) {
  struct stat status;
  if (fstatat(fd, name, &status, AT_SYMLINK_NOFOLLOW) != 0)
    return errno == ENOENT || errno == ENOTDIR ? EntryKind::Missing : EntryKind::Other;
  return KindOfMode(status.st_mode);
}

// Opens a folder entry; the descriptor is checked to be a folder, so a name
// swapped for something else between the look and the open is refused.
bool OpenFolderAt(int dirFd, const std::string& name, int& fd, EntryKind& found) {
  fd = openat(dirFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    found = KindAt(dirFd, name.c_str());
    return false;
  }
  found = EntryKind::Folder;
  return true;
}

bool WriteAll(int fd, const char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t written = write(fd, bytes, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

Folder::Folder(Folder&& other) noexcept : path_(std::move(other.path_)), fd_(other.fd_) {
  other.fd_ = -1;
}

Folder& Folder::operator=(Folder&& other) noexcept {
  if (this != &other) {
    Close();
    path_ = std::move(other.path_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

Folder::~Folder() { Close(); }

void Folder::Close() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
}

bool Folder::IsOpen() const { return fd_ >= 0; }

bool Folder::Open(const std::string& path, Folder& folder, EntryKind& found) {
  int fd = -1;
  if (!OpenFolderAt(AT_FDCWD, path, fd, found)) return false;
  folder = Folder();
  folder.path_ = path;
  folder.fd_ = fd;
  return true;
}

bool Folder::OpenSub(const std::string& name, Folder& sub, EntryKind& found) const {
  int fd = -1;
  if (!OpenFolderAt(fd_, name, fd, found)) return false;
  sub = Folder();
  sub.path_ = path_ + "/" + name;
  sub.fd_ = fd;
  return true;
}

bool Folder::MakeSub(const std::string& name, Folder& sub) const {
  if (mkdirat(fd_, name.c_str(), 0755) != 0) return false;
  EntryKind found;
  return OpenSub(name, sub, found);
}

EntryKind Folder::KindOf(const std::string& name) const { return KindAt(fd_, name.c_str()); }

bool Folder::List(std::vector<Entry>& entries) const {
  entries.clear();
  const int copy = openat(fd_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (copy < 0) return false;
  std::unique_ptr<DIR, int (*)(DIR*)> folder(fdopendir(copy), closedir);
  if (!folder) {
    close(copy);
    return false;
  }
  errno = 0;
  while (const dirent* entry = readdir(folder.get())) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") entries.push_back({name, KindOf(name)});
    errno = 0;
  }
  return errno == 0;
}

std::uint64_t Folder::FileSize(const std::string& name) const {
  struct stat status;
  if (fstatat(fd_, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(status.st_mode))
    return 0;
  return static_cast<std::uint64_t>(status.st_size);
}

bool Folder::ReadWholeFile(const std::string& name, std::uint64_t maxBytes,
                           std::string& bytes) const {
  bytes.clear();
  // Non-blocking, so that a pipe put in the file's place cannot hold the run.
  const int fd = openat(fd_, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat status;
  bool ok = fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
            static_cast<std::uint64_t>(status.st_size) <= maxBytes;
  char piece[65536];
  while (ok) {
    const ssize_t got = read(fd, piece, sizeof piece);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    if (bytes.size() + static_cast<std::size_t>(got) > maxBytes)
      ok = false;
    else
      bytes.append(piece, static_cast<std::size_t>(got));
  }
  close(fd);
  if (!ok) bytes.clear();
  return ok;
}

bool Folder::WriteNewFile(const std::string& name, const void* bytes, std::size_t size) const {
  const int fd =
      openat(fd_, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, static_cast<const char*>(bytes), size);
  const bool closed = close(fd) == 0;
  if (written && closed) return true;
  const int why = errno;  // for the caller, past the clean-up
  unlinkat(fd_, name.c_str(), 0);
  errno = why;
  return false;
}

bool Folder::RemoveEntry(const std::string& name) const {
  if (KindOf(name) == EntryKind::Folder) return false;
  return unlinkat(fd_, name.c_str(), 0) == 0 || errno == ENOENT;
}

bool Folder::RemoveEmptySub(const std::string& name) const {
  return unlinkat(fd_, name.c_str(), AT_REMOVEDIR) == 0;
}

bool Folder::Move(const std::string& name, const Folder& to, const std::string& newName,
                  bool replace) const {
  if (replace) {
    if (to.KindOf(newName) == EntryKind::Folder) return false;
    return renameat(fd_, name.c_str(), to.fd_, newName.c_str()) == 0;
  }
  if (renameat2(fd_, name.c_str(), to.fd_, newName.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system without RENAME_NOREPLACE: a hard link fails as well when
  // the new name exists.
  if (linkat(fd_, name.c_str(), to.fd_, newName.c_str(), 0) != 0) return false;
  return unlinkat(fd_, name.c_str(), 0) == 0;
}

bool Folder::StillHolds(const std::string& name, const Folder& sub) const {
  struct stat entry, held;
  return fstatat(fd_, name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(entry.st_mode) &&
         fstat(sub.fd_, &held) == 0 && entry.st_dev == held.st_dev && entry.st_ino == held.st_ino;
}

bool Folder::Lock() { return flock(fd_, LOCK_EX | LOCK_NB) == 0; }

}  // namespace katalog
