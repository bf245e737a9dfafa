#include "output_folder.h"

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

#include <vector>

#include "files.h"
#include "katalog_texts.h"

namespace katalog {
namespace {

long ProcessId() {
#ifdef _WIN32
  return _getpid();
#else
  return static_cast<long>(getpid());
#endif
}

std::string WithoutTrailingSeparators(std::string path) {
  while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  return path;
}

std::string ParentOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos || slash == 0 ? std::string() : path.substr(0, slash);
}

// A name beside the target that nothing holds yet: TARGET.<word>-<pid>[-<n>].
std::string FreeNameBeside(const std::string& target, const char* word) {
  const std::string base = target + "." + word + "-" + std::to_string(ProcessId());
  std::string name = base;
  for (int n = 2; PathExists(name); ++n) name = base + "-" + std::to_string(n);
  return name;
}

bool IsEmptyFolder(const std::string& path) {
  std::vector<FolderEntry> entries;
  return ListFolder(path, entries) && entries.empty();
}

}  // namespace

OutputFolder::~OutputFolder() {
  if (!staging_.empty()) RemoveTree(staging_);
}

bool OutputFolder::Begin(const std::string& target, std::initializer_list<const char*> subfolders,
                         std::string& error) {
  target_ = WithoutTrailingSeparators(target);
  if (PathExists(target_)) {
    if (!IsDirectory(target_)) {
      error = german::FillIn(german::kOutputNotAFolder, {target_});
      return false;
    }
    if (!IsFile(JoinPath(target_, kCatalogueMark)) && !IsEmptyFolder(target_)) {
      error = german::FillIn(german::kOutputNotACatalogue, {target_});
      return false;
    }
  }
  const std::string parent = ParentOf(target_);
  const std::string staging = FreeNameBeside(target_, "neu");
  if ((!parent.empty() && !MakeFolders(parent)) || !MakeFolder(staging)) {
    error = german::FillIn(german::kOutputUnwritable, {target_});
    return false;
  }
  staging_ = staging;
  for (const char* subfolder : subfolders) {
    if (!MakeFolders(JoinPath(staging_, subfolder))) {
      error = german::FillIn(german::kOutputUnwritable, {target_});
      return false;
    }
  }
  return true;
}

bool OutputFolder::Commit(std::string& error) {
  std::string old;
  if (PathExists(target_)) {
    old = FreeNameBeside(target_, "alt");
    if (!RenamePath(target_, old)) {
      error = german::FillIn(german::kOutputNotReplaced, {target_});
      return false;
    }
  }
  if (!RenamePath(staging_, target_)) {
    if (!old.empty()) RenamePath(old, target_);
    error = german::FillIn(german::kOutputUnwritable, {target_});
    return false;
  }
  staging_.clear();
  if (!old.empty()) RemoveTree(old);
  return true;
}

}  // namespace katalog
