// Folder on Windows. The held handle shares no delete access, so no other
// program can rename or remove the folder, or a folder above it, while the
// run works in it; names below it therefore keep meaning the same place.
// Every name is looked at with FILE_FLAG_OPEN_REPARSE_POINT and its
// attributes: a reparse point (symbolic link, junction, mount point) is never
// opened as a folder or written through. Wine shows a Unix link to a folder
// with the reparse attribute by name but not through a handle, and removes
// the folder a link points to when asked to remove the link as a folder, so
// both the name and the handle are checked before anything is removed.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>

#include "folder.h"
#include "wide.h"

namespace katalog {
namespace {

constexpr DWORD kShareButDelete = FILE_SHARE_READ | FILE_SHARE_WRITE;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD kNoFollow = FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT;

EntryKind KindOfAttributes(DWORD attributes) {
  if (attributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)) return EntryKind::Other;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return EntryKind::Folder;
  return EntryKind::File;
}

EntryKind KindOfPath(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? EntryKind::Missing
                                                                          : EntryKind::Other;
  }
  return KindOfAttributes(attributes);
}

std::wstring Join(const std::string& folder, const std::string& name) {
  return lister::Widen(folder + "\\" + name);
}

HANDLE OpenNoFollow(const std::wstring& path, DWORD access, DWORD share) {
  return CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING, kNoFollow, nullptr);
}

// What the handle itself says, with the reparse point seen by the name too.
EntryKind KindOfHandle(HANDLE handle, const std::wstring& path) {
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(handle, &info)) return EntryKind::Other;
  const EntryKind byHandle = KindOfAttributes(info.dwFileAttributes);
  const EntryKind byName = KindOfPath(path);
  return byHandle == byName ? byHandle : EntryKind::Other;
}

bool DeleteThroughHandle(HANDLE handle) {
  FILE_DISPOSITION_INFO disposition{TRUE};
  return SetFileInformationByHandle(handle, FileDispositionInfo, &disposition, sizeof disposition);
}

bool OpenFolderHandle(const std::wstring& path, HANDLE& handle, EntryKind& found) {
  handle = nullptr;
  found = KindOfPath(path);
  if (found != EntryKind::Folder) return false;
  HANDLE opened =
      OpenNoFollow(path, FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE, kShareButDelete);
  if (opened == INVALID_HANDLE_VALUE) {
    found = EntryKind::Other;
    return false;
  }
  found = KindOfHandle(opened, path);
  if (found != EntryKind::Folder) {
    CloseHandle(opened);
    return false;
  }
  handle = opened;
  return true;
}

bool SameObject(HANDLE a, HANDLE b) {
  BY_HANDLE_FILE_INFORMATION first, second;
  return GetFileInformationByHandle(a, &first) && GetFileInformationByHandle(b, &second) &&
         first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
         first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
}

}  // namespace

Folder::Folder(Folder&& other) noexcept
    : path_(std::move(other.path_)), handle_(other.handle_), lock_(other.lock_) {
  other.handle_ = nullptr;
  other.lock_ = nullptr;
}

Folder& Folder::operator=(Folder&& other) noexcept {
  if (this != &other) {
    Close();
    path_ = std::move(other.path_);
    handle_ = other.handle_;
    lock_ = other.lock_;
    other.handle_ = nullptr;
    other.lock_ = nullptr;
  }
  return *this;
}

Folder::~Folder() { Close(); }

void Folder::Close() {
  if (lock_ != nullptr) CloseHandle(lock_);
  if (handle_ != nullptr) CloseHandle(handle_);
  lock_ = handle_ = nullptr;
}

bool Folder::IsOpen() const { return handle_ != nullptr; }

bool Folder::Open(const std::string& path, Folder& folder, EntryKind& found) {
  HANDLE handle;
  if (!OpenFolderHandle(lister::Widen(path), handle, found)) return false;
  folder = Folder();
  folder.path_ = path;
  folder.handle_ = handle;
  return true;
}

bool Folder::OpenSub(const std::string& name, Folder& sub, EntryKind& found) const {
  return Open(path_ + "\\" + name, sub, found);
}

bool Folder::MakeSub(const std::string& name, Folder& sub) const {
  if (!CreateDirectoryW(Join(path_, name).c_str(), nullptr)) return false;
  EntryKind found;
  return OpenSub(name, sub, found);
}

EntryKind Folder::KindOf(const std::string& name) const { return KindOfPath(Join(path_, name)); }

bool Folder::List(std::vector<Entry>& entries) const {
  entries.clear();
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileExW(Join(path_, "*").c_str(), FindExInfoBasic, &found,
                                   FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..")
      entries.push_back({lister::Narrow(name), KindOfAttributes(found.dwFileAttributes)});
  } while (FindNextFileW(search, &found));
  const bool complete = GetLastError() == ERROR_NO_MORE_FILES;
  FindClose(search);
  return complete;
}

std::uint64_t Folder::FileSize(const std::string& name) const {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(Join(path_, name).c_str(), GetFileExInfoStandard, &data) ||
      KindOfAttributes(data.dwFileAttributes) != EntryKind::File)
    return 0;
  return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

bool Folder::ReadWholeFile(const std::string& name, std::uint64_t maxBytes,
                           std::string& bytes) const {
  bytes.clear();
  const std::wstring path = Join(path_, name);
  HANDLE file = OpenNoFollow(path, GENERIC_READ, kShareButDelete);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size;
  bool ok = KindOfHandle(file, path) == EntryKind::File && GetFileType(file) == FILE_TYPE_DISK &&
            GetFileSizeEx(file, &size) && static_cast<std::uint64_t>(size.QuadPart) <= maxBytes;
  char piece[65536];
  while (ok) {
    DWORD got = 0;
    if (!::ReadFile(file, piece, sizeof piece, &got, nullptr)) ok = false;
    if (!ok || got == 0) break;
    if (bytes.size() + got > maxBytes)
      ok = false;
    else
      bytes.append(piece, got);
  }
  CloseHandle(file);
  if (!ok) bytes.clear();
  return ok;
}

bool Folder::WriteNewFile(const std::string& name, const void* bytes, std::size_t size) const {
  HANDLE file = CreateFileW(Join(path_, name).c_str(), GENERIC_WRITE | DELETE, 0, nullptr,
                            CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const char* at = static_cast<const char*>(bytes);
  bool written = true;
  while (written && size > 0) {
    DWORD wrote = 0;
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 24));
    written = WriteFile(file, at, piece, &wrote, nullptr) && wrote == piece;
    at += piece;
    size -= piece;
  }
  if (!written) {
    const DWORD why = GetLastError();  // for the caller, past the clean-up
    DeleteThroughHandle(file);
    CloseHandle(file);
    SetLastError(why);
    return false;
  }
  return CloseHandle(file);
}

// A name that is no folder is first replaced, by a rename, with an empty
// file of the run's own, which then goes: a rename replaces a link itself,
// while Wine, asked to remove a name that is a Unix link to a file, removes
// the file it points to. A name that is a folder is removed only when its
// handle shows a reparse point: a junction or folder link, itself.
bool Folder::RemoveEntry(const std::string& name) const {
  const std::wstring path = Join(path_, name);
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return KindOfPath(path) == EntryKind::Missing;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    HANDLE link = OpenNoFollow(path, DELETE | FILE_READ_ATTRIBUTES, kShareAll);
    if (link == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info;
    const bool removed = GetFileInformationByHandle(link, &info) &&
                         (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
                         DeleteThroughHandle(link);
    CloseHandle(link);
    return removed;
  }
  static std::atomic<unsigned> counter{0};
  const std::wstring stand = Join(path_, ".entfernen-" + std::to_string(GetCurrentProcessId()) +
                                             "-" + std::to_string(counter++));
  HANDLE made = CreateFileW(stand.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (made == INVALID_HANDLE_VALUE) return false;
  CloseHandle(made);
  if (!MoveFileExW(stand.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    DeleteFileW(stand.c_str());
    return false;
  }
  HANDLE own = OpenNoFollow(path, DELETE | FILE_READ_ATTRIBUTES, kShareAll);
  if (own == INVALID_HANDLE_VALUE) return false;
  const bool removed = KindOfHandle(own, path) == EntryKind::File && DeleteThroughHandle(own);
  CloseHandle(own);
  return removed;
}

bool Folder::RemoveEmptySub(const std::string& name) const {
  const std::wstring path = Join(path_, name);
  HANDLE entry = OpenNoFollow(path, DELETE | FILE_READ_ATTRIBUTES, kShareAll);
  if (entry == INVALID_HANDLE_VALUE) return false;
  const bool removed = KindOfHandle(entry, path) == EntryKind::Folder && DeleteThroughHandle(entry);
  CloseHandle(entry);
  return removed && KindOfPath(path) == EntryKind::Missing;
}

bool Folder::Move(const std::string& name, const Folder& to, const std::string& newName,
                  bool replace) const {
  const std::wstring target = Join(to.path_, newName);
  if (replace && KindOfPath(target) == EntryKind::Folder) return false;
  return MoveFileExW(Join(path_, name).c_str(), target.c_str(),
                     replace ? MOVEFILE_REPLACE_EXISTING : 0);
}

bool Folder::StillHolds(const std::string& name, const Folder& sub) const {
  const std::wstring path = Join(path_, name);
  HANDLE entry = OpenNoFollow(path, FILE_READ_ATTRIBUTES, kShareAll);
  if (entry == INVALID_HANDLE_VALUE) return false;
  const bool same =
      KindOfHandle(entry, path) == EntryKind::Folder && SameObject(entry, sub.handle_);
  CloseHandle(entry);
  return same;
}

// A mutex named after the folder's identity on its volume: a second run on
// the same folder, under any spelling of its path, finds it taken.
bool Folder::Lock() {
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(handle_, &info)) return false;
  wchar_t name[96];
  swprintf(name, sizeof name / sizeof name[0], L"Local\\Valdorum-Szenarienkatalog-%08lx-%08lx%08lx",
           info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow);
  HANDLE mutex = CreateMutexW(nullptr, TRUE, name);
  if (mutex == nullptr) return false;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return false;
  }
  lock_ = mutex;
  return true;
}

}  // namespace katalog
