// A folder of the catalogue, held open while the run works in it. On Linux
// it is a directory descriptor that every operation starts from; on Windows
// a handle that lets no other program rename or remove the folder while the
// run holds it. No operation follows a symbolic link, junction or other
// reparse point: a name that is one is never opened as a folder, written
// through or looked into, and removing it removes the link itself or nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace katalog {

enum class EntryKind {
  Missing,
  File,    // a regular file
  Folder,  // a real folder, not a link to one
  Other,   // a link, junction, pipe, device or anything else
};

struct Entry {
  std::string name;  // UTF-8
  EntryKind kind;
};

class Folder {
 public:
  Folder() = default;
  Folder(Folder&& other) noexcept;
  Folder& operator=(Folder&& other) noexcept;
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  ~Folder();

  bool IsOpen() const;
  const std::string& Path() const { return path_; }

  // Opens the folder at path; false when it is missing, a link or no folder,
  // and `found` says which.
  static bool Open(const std::string& path, Folder& folder, EntryKind& found);
  // The same for an entry of this folder.
  bool OpenSub(const std::string& name, Folder& sub, EntryKind& found) const;
  // Makes a new subfolder and opens it; false when the name exists already.
  bool MakeSub(const std::string& name, Folder& sub) const;

  EntryKind KindOf(const std::string& name) const;
  // Every entry but "." and ".."; false when the folder cannot be read.
  bool List(std::vector<Entry>& entries) const;
  // The size of a regular file; 0 for anything else.
  std::uint64_t FileSize(const std::string& name) const;
  // The whole regular file when it holds at most maxBytes.
  bool ReadWholeFile(const std::string& name, std::uint64_t maxBytes, std::string& bytes) const;

  // A new file with exactly these bytes; false when the name exists already
  // (as anything, a dangling link too) or the bytes cannot all be written, in
  // which case nothing of it is left.
  bool WriteNewFile(const std::string& name, const void* bytes, std::size_t size) const;
  bool WriteNewFile(const std::string& name, const std::string& bytes) const {
    return WriteNewFile(name, bytes.data(), bytes.size());
  }
  // Removes a regular file, or a link itself; never a folder, never what a
  // link points to. True when the name is gone.
  bool RemoveEntry(const std::string& name) const;
  // Removes a subfolder that is empty and not a link.
  bool RemoveEmptySub(const std::string& name) const;
  // Moves the entry `name` into `to` as `newName`. Without replace it fails
  // when newName exists; with it, whatever newName is, file or link, is
  // replaced (never a folder, never followed).
  bool Move(const std::string& name, const Folder& to, const std::string& newName,
            bool replace) const;

  // True when this folder's entry `name` is still the folder `sub` holds.
  bool StillHolds(const std::string& name, const Folder& sub) const;
  // Takes the folder for this process alone until it is closed; false when
  // another process holds it.
  bool Lock();

 private:
  void Close();

  std::string path_;
#ifdef _WIN32
  void* handle_ = nullptr;  // HANDLE; nullptr when closed
  void* lock_ = nullptr;
#else
  int fd_ = -1;
#endif
};

}  // namespace katalog
