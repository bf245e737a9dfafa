// The scenario folder's files and the folders above the catalogue, with
// UTF-8 paths, the same on Linux and Windows. Failures come back as fixed
// German texts, never as the system's own words, so that both builds write
// the same catalogue. The catalogue's own folder is written through folder.h.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "file_reader.h"

namespace katalog {

bool IsFile(const std::string& path);       // a regular file, or a link to one
bool IsDirectory(const std::string& path);  // exists and is a directory
bool PathExists(const std::string& path);

// The entries of a folder: bare names and whether each is a directory.
struct FolderEntry {
  std::string name;  // as the system gives it; on Windows converted to UTF-8
  bool directory;
};
// False, and the system's reason, when the folder cannot be read.
bool ListFolder(const std::string& folder, std::vector<FolderEntry>& entries, std::string& reason);

// The regular file opened for binary reading; nullptr for anything else (a
// pipe put where a file belongs is never waited for).
FILE* OpenRegularFile(const std::string& path);

// The file opened for reading through the lister's reader interface; nullptr
// and a German reason on failure.
std::unique_ptr<lister::FileReader> OpenFileReader(const std::string& path, std::string& error);

// The whole file when it holds at most maxBytes; else false and a German reason.
bool ReadWholeFile(const std::string& path, std::uint64_t maxBytes, std::string& bytes,
                   std::string& error);

// A new folder; false when it exists already or cannot be made, and the
// system's reason.
bool MakeFolder(const std::string& path, std::string& reason);
// Creates every missing folder of the path; when it cannot, the system's reason.
bool MakeFolders(const std::string& path, std::string& reason);

// The path of a file in a folder, with one separator between them.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace katalog
