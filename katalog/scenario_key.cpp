#include "scenario_key.h"

#ifdef _WIN32
#include <windows.h>

#include "wide.h"
#else
#include <sys/stat.h>
#endif

#define XXH_INLINE_ALL
#include <xxhash.h>

#include <cstdio>
#include <memory>

#include "files.h"
#include "text_util.h"

namespace katalog {
namespace {

constexpr const char* kCompanionSuffixes[] = {"_Color.dds", ".xml", ".cs"};

void Update(XXH3_state_t& state, const std::string& text) {
  const std::uint64_t size = text.size();
  XXH3_128bits_update(&state, &size, sizeof size);
  XXH3_128bits_update(&state, text.data(), text.size());
}

// The file's kind and bytes: a missing file and one that is not regular
// differ from each other and from every file.
void UpdateWithFile(XXH3_state_t& state, const std::string& path) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(IsFile(path) ? OpenRegularFile(path) : nullptr,
                                             std::fclose);
  if (!file) {
    Update(state, PathExists(path) ? "?" : "-");
    return;
  }
  Update(state, "f");
  char piece[65536];
  std::size_t got;
  while ((got = std::fread(piece, 1, sizeof piece, file.get())) > 0)
    XXH3_128bits_update(&state, piece, got);
  Update(state, std::ferror(file.get()) ? "!" : ".");
}

}  // namespace

std::array<std::string, 4> ScenarioInputs(const std::string& scenarioDir,
                                          const std::string& fileName) {
  const std::string base = lister::Copy(fileName, 1, lister::CharLength(fileName) - 4);
  std::array<std::string, 4> inputs;
  inputs[0] = scenarioDir + fileName;
  for (std::size_t i = 0; i < 3; ++i) inputs[i + 1] = scenarioDir + base + kCompanionSuffixes[i];
  return inputs;
}

#ifdef _WIN32

std::string FileStamp(const std::string& path) {
  HANDLE file = CreateFileW(lister::Widen(path).c_str(), FILE_READ_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return PathExists(path) ? "?" : "-";
  BY_HANDLE_FILE_INFORMATION info;
  const bool read = GetFileInformationByHandle(file, &info) != 0;
  CloseHandle(file);
  if (!read || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return "?";
  char stamp[96];
  std::snprintf(stamp, sizeof stamp, "w%lx.%lx:%lx.%lx:%lx.%lx:%lx", info.nFileSizeHigh,
                info.nFileSizeLow, info.ftLastWriteTime.dwHighDateTime,
                info.ftLastWriteTime.dwLowDateTime, info.nFileIndexHigh, info.nFileIndexLow,
                info.dwVolumeSerialNumber);
  return stamp;
}

#else

std::string FileStamp(const std::string& path) {
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return PathExists(path) ? "?" : "-";
  if (!S_ISREG(status.st_mode)) return "?";
  char stamp[128];
  // The change time moves with every write and cannot be set back by a tool
  // that restores the modification time.
  std::snprintf(stamp, sizeof stamp, "p%llx:%llx.%lx:%llx.%lx:%llx",
                static_cast<unsigned long long>(status.st_size),
                static_cast<unsigned long long>(status.st_mtim.tv_sec), status.st_mtim.tv_nsec,
                static_cast<unsigned long long>(status.st_ctim.tv_sec), status.st_ctim.tv_nsec,
                static_cast<unsigned long long>(status.st_ino));
  return stamp;
}

#endif

std::vector<std::string> InputStamps(const std::array<std::string, 4>& inputs) {
  std::vector<std::string> stamps;
  for (const std::string& input : inputs) stamps.push_back(FileStamp(input));
  return stamps;
}

std::string ScenarioKey(const std::string& program, const std::string& fileName,
                        const std::array<std::string, 4>& inputs) {
  XXH3_state_t state;
  XXH3_128bits_reset(&state);
  Update(state, program);
  Update(state, fileName);
  for (const std::string& input : inputs) UpdateWithFile(state, input);
  const XXH128_hash_t digest = XXH3_128bits_digest(&state);
  char hex[40];
  std::snprintf(hex, sizeof hex, "%016llx%016llx", static_cast<unsigned long long>(digest.high64),
                static_cast<unsigned long long>(digest.low64));
  return hex;
}

}  // namespace katalog
