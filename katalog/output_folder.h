// The catalogue's output folder. Everything is written into a new folder
// beside it, which takes its place only when complete: an older catalogue
// stays as it was until then, and stays when anything fails. A folder that
// holds something other than a catalogue is never replaced.
#pragma once

#include <initializer_list>
#include <string>

namespace katalog {

class OutputFolder {
 public:
  OutputFolder() = default;
  OutputFolder(const OutputFolder&) = delete;
  OutputFolder& operator=(const OutputFolder&) = delete;
  // Removes the new folder unless it took the target's place.
  ~OutputFolder();

  // Checks the target and makes the new folder beside it, with the
  // subfolders listed; false and a German message when it cannot.
  bool Begin(const std::string& target, std::initializer_list<const char*> subfolders,
             std::string& error);
  // The new folder, where the files go until Commit.
  const std::string& Staging() const { return staging_; }
  // The new folder takes the target's place; an older catalogue there is removed.
  bool Commit(std::string& error);

 private:
  std::string target_;
  std::string staging_;
};

// The file that marks a folder as a catalogue that may be replaced.
inline constexpr char kCatalogueMark[] = "szenarien.json";

}  // namespace katalog
