// The file system with UTF-8 paths, the same on Linux and Windows. Failures
// come back as fixed German texts, never as the system's own words, so that
// both builds write the same catalogue.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "file_reader.h"

namespace katalog {

bool IsFile(const std::string& path);       // exists and is not a directory
bool IsDirectory(const std::string& path);  // exists and is a directory
bool PathExists(const std::string& path);

// The entries of a folder: bare names and whether each is a directory.
struct FolderEntry {
  std::string name;  // as the system gives it; on Windows converted to UTF-8
  bool directory;
};
bool ListFolder(const std::string& folder, std::vector<FolderEntry>& entries);

// The file opened for reading through the lister's reader interface; nullptr
// and a German reason on failure.
std::unique_ptr<lister::FileReader> OpenFileReader(const std::string& path, std::string& error);

// The whole file when it holds at most maxBytes; else false and a German reason.
bool ReadWholeFile(const std::string& path, std::uint64_t maxBytes, std::string& bytes,
                   std::string& error);

// Creates or replaces the file with exactly these bytes (binary, no line-end conversion).
bool WriteWholeFile(const std::string& path, const void* bytes, std::size_t size);
inline bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  return WriteWholeFile(path, bytes.data(), bytes.size());
}

// A new folder; false when it exists already or cannot be made.
bool MakeFolder(const std::string& path);
// Creates every missing folder of the path.
bool MakeFolders(const std::string& path);
bool RenamePath(const std::string& from, const std::string& to);
// Removes the folder and everything in it; true when nothing of it is left.
bool RemoveTree(const std::string& path);
// The bytes of all files below the folder.
std::uint64_t TreeSize(const std::string& path);

// The path of a file in a folder, with one separator between them.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace katalog
