// The catalogue's output folder, updated in place. A run writes the files of
// the new catalogue into a working folder of its own inside it, then:
// the record, naming every old and new file, takes the old record's place
// (from then on every file there is known as the catalogue's own); the new
// parts move to their places, then the data and the page, each by a rename;
// the old parts no longer needed are removed; the record of just the new
// catalogue takes its place; the working folder goes. A run that ends at any
// point leaves the old or the new catalogue whole, and the next run finds
// every file the record names or the working folder that a run left
// behind. Nothing the record does not name is ever removed or replaced.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalogue_record.h"
#include "folder.h"
#include "sync.h"

namespace katalog {

class CatalogueFolder {
 public:
  CatalogueFolder() = default;
  CatalogueFolder(const CatalogueFolder&) = delete;
  CatalogueFolder& operator=(const CatalogueFolder&) = delete;
  // Removes the working folder unless Commit emptied it.
  ~CatalogueFolder();

  // Opens the folder (making it when it is missing), takes it for this run,
  // removes the working folders that earlier runs of this program on this
  // system left behind, and reads its record. False and a German message
  // when it is no catalogue, another run holds it, or it cannot be written.
  bool Begin(const std::string& target, std::string& error);
  const CatalogueRecord& OldRecord() const { return old_; }
  // True when the old catalogue's part at that path is there to be kept.
  bool HasPart(const std::string& path) const;
  // True when the old catalogue's file at that path holds exactly these bytes.
  bool HoldsSame(const std::string& path, const std::string& bytes) const;
  // The old catalogue's part at that path, when it is there and holds at most maxBytes.
  bool ReadPart(const std::string& path, std::uint64_t maxBytes, std::string& bytes) const;
  // A file of the new catalogue, written into the working folder; from any thread.
  bool Stage(const std::string& path, const std::string& bytes);
  // The new catalogue, whose files are the staged ones and the kept parts,
  // takes the old one's place. False and a German message when it cannot.
  bool Commit(CatalogueRecord record, std::string& error);
  // The bytes of the new catalogue's files, after Commit.
  std::uint64_t Bytes() const;
  // What the folder holds that the catalogue did not write, after Commit:
  // each stays where it is, untouched.
  std::vector<std::string> Foreign() const;
  // Why the catalogue cannot be written, with the system's reason when it gave one.
  std::string Unwritable() const;
  // Problems met on the way that did not stop the run, in German.
  const std::vector<std::string>& Notes() const { return notes_; }

 private:
  bool ReadOldRecord(std::string& error);
  bool MakeWorkFolder(std::string& error);
  void RemoveLeftoverWork();
  // Keeps the system's reason for a call that just failed; returns false.
  bool Failed();
  bool NamesAreFree(const CatalogueRecord& record, std::string& error) const;
  bool WriteRecord(const CatalogueRecord& record);
  bool PlaceFolders(const std::set<std::string>& folders);
  bool MoveStaged(bool topLevel);
  void RemoveWork();
  // The folder of the catalogue (or of the working folder) a path lies in.
  const Folder* OutFolder(const std::string& folder) const;
  const Folder* WorkFolder(const std::string& folder) const;

  std::string target_;
  Folder out_;
  std::map<std::string, Folder> outFolders_;  // kCatalogueFolders that stand there
  std::string workName_;
  Folder work_;
  std::map<std::string, Folder> workFolders_;
  CatalogueRecord old_;
  CatalogueRecord new_;
  Mutex stagedLock_;
  std::set<std::string> staged_;
  std::vector<std::string> notes_;
  mutable Mutex reasonLock_;
  std::string reason_;  // of the first call that failed
  bool committed_ = false;
};

// The working folders of runs on this system: ".in-arbeit-<system>-<process>".
std::string WorkFolderName(long processId);
// The process of a working folder of this system's runs, or 0 for any other name.
long WorkFolderProcess(const std::string& name);

}  // namespace katalog
