#include "catalogue_folder.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#endif

#include <algorithm>
#include <iterator>
#include <mutex>

#include "embedded_resources.h"
#include "files.h"
#include "json_reader.h"
#include "katalog_texts.h"
#include "system_reason.h"
#include "write_catalogue.h"

namespace katalog {
namespace {

constexpr std::uint64_t kMaxRecordBytes = 64 * 1024 * 1024;
constexpr std::uint64_t kMaxOldDataBytes = 512 * 1024 * 1024;

#ifdef _WIN32
constexpr char kWorkPrefix[] = ".in-arbeit-windows-";
long ProcessId() { return static_cast<long>(GetCurrentProcessId()); }
bool ProcessRuns(long id) {
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
  if (process == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;
  const bool runs = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
  CloseHandle(process);
  return runs;
}
#else
constexpr char kWorkPrefix[] = ".in-arbeit-linux-";
long ProcessId() { return static_cast<long>(getpid()); }
bool ProcessRuns(long id) { return kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM; }
#endif

std::string WithoutTrailingSeparators(std::string path) {
  while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  return path;
}

std::string ParentOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos || slash == 0 ? std::string() : path.substr(0, slash);
}

// Opens "a/b" below root, every step a real folder.
bool OpenPath(const Folder& root, const std::string& path, Folder& folder) {
  const std::size_t slash = path.find('/');
  EntryKind found;
  if (slash == std::string::npos) return root.OpenSub(path, folder, found);
  Folder first;
  return root.OpenSub(path.substr(0, slash), first, found) &&
         first.OpenSub(path.substr(slash + 1), folder, found);
}

// Removes every file and link in the folder; false when anything stays.
bool EmptyFolder(const Folder& folder) {
  std::vector<Entry> entries;
  if (!folder.List(entries)) return false;
  bool empty = true;
  for (const Entry& entry : entries)
    empty = entry.kind != EntryKind::Folder && folder.RemoveEntry(entry.name) && empty;
  return empty;
}

// A working folder and its catalogue folders, innermost first; false when
// anything of it stays (a folder the run did not make, a link Wine cannot
// remove). The handles are closed before each folder goes, which Windows needs.
bool RemoveWorkFolder(const Folder& parent, const std::string& name) {
  bool removed = true;
  {
    Folder work;
    EntryKind found;
    if (!parent.OpenSub(name, work, found)) return found == EntryKind::Missing;
    for (auto it = std::rbegin(kCatalogueFolders); it != std::rend(kCatalogueFolders); ++it) {
      const auto [above, last] = SplitCataloguePath(*it);
      Folder holder, folder;
      if (!above.empty() && !OpenPath(work, above, holder)) continue;
      const Folder& container = above.empty() ? work : holder;
      if (!container.OpenSub(last, folder, found)) {
        removed = removed && found == EntryKind::Missing;
        continue;
      }
      removed = EmptyFolder(folder) && removed;
      folder = Folder();
      removed = container.RemoveEmptySub(last) && removed;
    }
    removed = EmptyFolder(work) && removed;
  }
  return parent.RemoveEmptySub(name) && removed;
}

// A catalogue of the first format, which had no record: its data names its
// pictures, and its other files are fixed. Only those that stand there as
// regular files become its record; nothing of it is kept for reuse.
bool RecordOfFirstFormat(const Folder& out, CatalogueRecord& record) {
  std::string bytes;
  if (!out.ReadWholeFile(kDataFile, kMaxOldDataBytes, bytes)) return false;
  const std::optional<JsonValue> data = ReadJson(bytes);
  if (!data || (*data)["format"].text != "szenarienkatalog" || (*data)["version"].number != 1 ||
      (*data)["scenarios"].kind != JsonValue::Kind::Array)
    return false;
  record = CatalogueRecord();
  std::set<std::string> files = {kPageFile, kDataFile, "bilder/banner.png"};
  for (std::size_t i = 0; i < kGoodsPictureCount; ++i)
    files.insert(std::string("bilder/waren/") + kGoodsPictures[i].name + ".png");
  for (const JsonValue& scenario : (*data)["scenarios"].items)
    for (const char* picture : {"thumbnail", "picture"})
      if (IsCatalogueFilePath(scenario[picture]["path"].text))
        files.insert(scenario[picture]["path"].text);
  for (const std::string& path : files) {
    const auto [folder, name] = SplitCataloguePath(path);
    Folder holder;
    if (folder.empty() ? out.KindOf(name) == EntryKind::File
                       : OpenPath(out, folder, holder) && holder.KindOf(name) == EntryKind::File)
      record.files.insert(path);
  }
  record.folders = {"karten", "bilder", "bilder/waren"};
  return true;
}

}  // namespace

std::string WorkFolderName(long processId) { return kWorkPrefix + std::to_string(processId); }

long WorkFolderProcess(const std::string& name) {
  const std::string prefix = kWorkPrefix;
  if (name.compare(0, prefix.size(), prefix) != 0 || name.size() == prefix.size() ||
      name.size() > prefix.size() + 10)
    return 0;
  long id = 0;
  for (std::size_t i = prefix.size(); i < name.size(); ++i) {
    if (name[i] < '0' || name[i] > '9') return 0;
    id = id * 10 + (name[i] - '0');
  }
  return id;
}

CatalogueFolder::~CatalogueFolder() {
  if (work_.IsOpen()) RemoveWork();
}

bool CatalogueFolder::Begin(const std::string& target, std::string& error) {
  target_ = WithoutTrailingSeparators(target);
  EntryKind found;
  if (!Folder::Open(target_, out_, found) && found == EntryKind::Missing) {
    const std::string parent = ParentOf(target_);
    if ((!parent.empty() && !MakeFolders(parent, reason_)) ||
        (!MakeFolder(target_, reason_) && !IsDirectory(target_))) {
      error = Unwritable();
      return false;
    }
    reason_.clear();  // another run made it meanwhile
    if (!Folder::Open(target_, out_, found) && found == EntryKind::Missing) Failed();
  }
  if (!out_.IsOpen()) {
    error = found == EntryKind::File    ? german::FillIn(german::kOutputNotAFolder, {target_})
            : found == EntryKind::Other ? german::FillIn(german::kOutputIsLink, {target_})
                                        : Unwritable();
    return false;
  }
  if (!out_.Lock()) {
    error = german::FillIn(german::kOutputBusy, {target_});
    return false;
  }
  RemoveLeftoverWork();
  if (!ReadOldRecord(error)) return false;
  for (const char* folder : kCatalogueFolders) {
    Folder opened;
    if (old_.folders.count(folder) && OpenPath(out_, folder, opened))
      outFolders_.emplace(folder, std::move(opened));
  }
  return MakeWorkFolder(error);
}

void CatalogueFolder::RemoveLeftoverWork() {
  std::vector<Entry> entries;
  out_.List(entries);
  for (const Entry& entry : entries) {
    const long process = WorkFolderProcess(entry.name);
    if (process == 0 || process == ProcessId() || ProcessRuns(process)) continue;
    if (!RemoveWorkFolder(out_, entry.name))
      notes_.push_back(german::FillIn(german::kLeftoverKept, {entry.name}));
  }
}

bool CatalogueFolder::ReadOldRecord(std::string& error) {
  const EntryKind kind = out_.KindOf(kRecordFile);
  if (kind == EntryKind::Missing) {
    std::vector<Entry> entries;
    if (!out_.List(entries)) {
      Failed();
      error = Unwritable();
      return false;
    }
    const bool onlyWork = std::all_of(entries.begin(), entries.end(), [](const Entry& entry) {
      return entry.name.compare(0, 11, ".in-arbeit-") == 0;
    });
    if (onlyWork || RecordOfFirstFormat(out_, old_)) return true;
    error = german::FillIn(german::kOutputNotACatalogue, {target_});
    return false;
  }
  std::string bytes;
  if (kind != EntryKind::File || !out_.ReadWholeFile(kRecordFile, kMaxRecordBytes, bytes) ||
      !ParseRecord(bytes, old_)) {
    error = german::FillIn(german::kRecordDamaged, {target_});
    return false;
  }
  return true;
}

bool CatalogueFolder::MakeWorkFolder(std::string& error) {
  workName_ = WorkFolderName(ProcessId());
  bool made = out_.MakeSub(workName_, work_) || Failed();
  for (const char* path : kCatalogueFolders) {
    const auto [above, last] = SplitCataloguePath(path);
    const Folder* container = above.empty() ? &work_ : WorkFolder(above);
    Folder folder;
    made = made && container != nullptr && (container->MakeSub(last, folder) || Failed());
    if (made) workFolders_.emplace(path, std::move(folder));
  }
  if (!made) error = Unwritable();
  return made;
}

const Folder* CatalogueFolder::OutFolder(const std::string& folder) const {
  if (folder.empty()) return &out_;
  const auto it = outFolders_.find(folder);
  return it == outFolders_.end() ? nullptr : &it->second;
}

const Folder* CatalogueFolder::WorkFolder(const std::string& folder) const {
  if (folder.empty()) return &work_;
  const auto it = workFolders_.find(folder);
  return it == workFolders_.end() ? nullptr : &it->second;
}

bool CatalogueFolder::HasPart(const std::string& path) const {
  if (!old_.files.count(path)) return false;
  const auto [folder, name] = SplitCataloguePath(path);
  const Folder* holder = OutFolder(folder);
  return holder != nullptr && holder->KindOf(name) == EntryKind::File;
}

bool CatalogueFolder::ReadPart(const std::string& path, std::uint64_t maxBytes,
                               std::string& bytes) const {
  const auto [folder, name] = SplitCataloguePath(path);
  const Folder* holder = old_.files.count(path) ? OutFolder(folder) : nullptr;
  return holder != nullptr && holder->ReadWholeFile(name, maxBytes, bytes);
}

bool CatalogueFolder::HoldsSame(const std::string& path, const std::string& bytes) const {
  std::string held;
  return ReadPart(path, bytes.size(), held) && held == bytes;
}

bool CatalogueFolder::Stage(const std::string& path, const std::string& bytes) {
  const auto [folder, name] = SplitCataloguePath(path);
  const Folder* holder = WorkFolder(folder);
  if (holder == nullptr) return false;
  if (!holder->WriteNewFile(name, bytes)) return Failed();
  std::lock_guard<Mutex> lock(stagedLock_);
  staged_.insert(path);
  return true;
}

bool CatalogueFolder::Failed() {
  const std::string reason = LastSystemReason();
  std::lock_guard<Mutex> lock(reasonLock_);
  if (reason_.empty()) reason_ = reason;
  return false;
}

std::string CatalogueFolder::Unwritable() const {
  std::lock_guard<Mutex> lock(reasonLock_);
  return reason_.empty() ? german::FillIn(german::kOutputUnwritable, {target_})
                         : german::FillIn(german::kOutputUnwritableBecause, {target_, reason_});
}

bool CatalogueFolder::WriteRecord(const CatalogueRecord& record) {
  const bool replace = out_.KindOf(kRecordFile) != EntryKind::Missing;
  return (work_.WriteNewFile(kRecordFile, RecordJson(record)) &&
          work_.Move(kRecordFile, out_, kRecordFile, replace)) ||
         Failed();
}

// Every catalogue folder the new catalogue needs stands in it as a real
// folder: a link where the record names one of its folders is removed (the
// link itself), a missing folder made.
bool CatalogueFolder::PlaceFolders(const std::set<std::string>& folders) {
  for (const char* path : kCatalogueFolders) {
    if (!folders.count(path) || outFolders_.count(path)) continue;
    const auto [above, last] = SplitCataloguePath(path);
    const Folder* container = OutFolder(above);
    if (container == nullptr) return false;
    Folder folder;
    EntryKind found;
    if (!container->OpenSub(last, folder, found)) {
      if (found != EntryKind::Missing && !container->RemoveEntry(last)) return Failed();
      if (!container->MakeSub(last, folder)) return Failed();
    }
    outFolders_.emplace(path, std::move(folder));
  }
  return true;
}

bool CatalogueFolder::MoveStaged(bool topLevel) {
  for (const std::string& path : staged_) {
    const auto [folder, name] = SplitCataloguePath(path);
    if (folder.empty() != topLevel) continue;
    const Folder* from = WorkFolder(folder);
    const Folder* to = OutFolder(folder);
    const bool ours = old_.files.count(path) > 0;
    if (from == nullptr || to == nullptr) return false;
    if (!from->Move(name, *to, name, ours)) return Failed();
  }
  return true;
}

// Every name the new catalogue needs is free, or holds what the old one wrote.
bool CatalogueFolder::NamesAreFree(const CatalogueRecord& record, std::string& error) const {
  for (const std::string& folder : record.folders) {
    if (outFolders_.count(folder) || old_.folders.count(folder)) continue;
    const auto [above, last] = SplitCataloguePath(folder);
    const Folder* container = OutFolder(above);
    if (container != nullptr && container->KindOf(last) != EntryKind::Missing) {
      error = german::FillIn(german::kNotOurs, {JoinPath(target_, folder)});
      return false;
    }
  }
  for (const std::string& path : record.files) {
    const auto [folder, name] = SplitCataloguePath(path);
    const Folder* holder = OutFolder(folder);
    const EntryKind kind = holder != nullptr ? holder->KindOf(name) : EntryKind::Missing;
    if (kind != EntryKind::Missing && (!old_.files.count(path) || kind == EntryKind::Folder)) {
      error = german::FillIn(german::kNotOurs, {JoinPath(target_, path)});
      return false;
    }
  }
  return true;
}

bool CatalogueFolder::Commit(CatalogueRecord record, std::string& error) {
  if (!NamesAreFree(record, error)) return false;
  CatalogueRecord both = old_;
  both.files.insert(record.files.begin(), record.files.end());
  both.folders.insert(record.folders.begin(), record.folders.end());
  if (!WriteRecord(both) || !PlaceFolders(record.folders) || !MoveStaged(false) ||
      !MoveStaged(true)) {
    error = Unwritable();
    return false;
  }
  for (const std::string& path : old_.files) {
    if (record.files.count(path)) continue;
    const auto [folder, name] = SplitCataloguePath(path);
    const Folder* holder = OutFolder(folder);
    if (holder != nullptr && !holder->RemoveEntry(name)) {
      notes_.push_back(german::FillIn(german::kObsoleteKept, {JoinPath(target_, path)}));
      record.files.insert(path);  // still the catalogue's, for a later run to remove
    }
  }
  new_ = std::move(record);
  if (!WriteRecord(new_)) {
    error = Unwritable();
    return false;
  }
  committed_ = true;
  RemoveWork();
  return true;
}

void CatalogueFolder::RemoveWork() {
  workFolders_.clear();
  // The working folder is removed by its name only while that name still
  // means the folder this run made.
  const bool ours = out_.StillHolds(workName_, work_);
  work_ = Folder();
  if (!ours || !RemoveWorkFolder(out_, workName_))
    notes_.push_back(german::FillIn(german::kLeftoverKept, {workName_}));
}

std::uint64_t CatalogueFolder::Bytes() const {
  std::uint64_t total = 0;
  for (const std::string& path : new_.files) {
    const auto [folder, name] = SplitCataloguePath(path);
    const Folder* holder = OutFolder(folder);
    if (holder != nullptr) total += holder->FileSize(name);
  }
  return total;
}

std::vector<std::string> CatalogueFolder::Foreign() const {
  std::vector<std::string> foreign;
  auto look = [&](const Folder& folder, const std::string& prefix) {
    std::vector<Entry> entries;
    folder.List(entries);
    for (const Entry& entry : entries) {
      const std::string path = prefix + entry.name;
      if (path == kRecordFile || WorkFolderProcess(entry.name) != 0 ||
          entry.name.compare(0, 11, ".in-arbeit-") == 0)
        continue;
      if (entry.kind == EntryKind::Folder ? !new_.folders.count(path) : !new_.files.count(path))
        foreign.push_back(path);
    }
  };
  look(out_, "");
  for (const auto& [path, folder] : outFolders_)
    if (new_.folders.count(path)) look(folder, path + "/");
  std::sort(foreign.begin(), foreign.end());
  return foreign;
}

}  // namespace katalog
