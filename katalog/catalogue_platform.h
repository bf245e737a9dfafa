// The scenario loader's platform for the catalogue: files through files.h,
// the analyzer library in memory instead of an analyzer process, and message
// boxes recorded instead of shown. It does the same on Linux and Windows.
#pragma once

#include <optional>
#include <string>

#include "catalogue_data.h"
#include "platform.h"

namespace katalog {

// The most a report may hold, as for the lister's analyzer process: a larger
// one is cut off, and the scenario counts as damaged.
inline constexpr std::size_t kMaxReportBytes = 8 * 1024 * 1024;
// The largest script or text file read, as the lister reads them.
inline constexpr std::uint64_t kMaxTextFileBytes = 4 * 1024 * 1024;

// A scenario's text file whole, as the lister reads it: a regular file of at
// most kMaxTextFileBytes.
bool ReadTextFileBytes(const std::string& path, std::string& bytes);

class CataloguePlatform : public lister::Platform {
 public:
  // scenarioDir ends in a separator; the analyzer reads its scenario there.
  explicit CataloguePlatform(std::string scenarioDir) : scenarioDir_(std::move(scenarioDir)) {}

  bool FileExists(const std::string& path) override;
  std::unique_ptr<lister::FileReader> OpenForReading(const std::string& path,
                                                     std::string& error) override;
  bool ReadTextLines(const std::string& path, std::vector<std::string>& lines,
                     std::string& error) override;
  lister::AnalyzerRun RunAnalyzer(const std::string& analyzerPath,
                                  const std::string& scenarioFile) override;
  void ShowMessage(lister::MessageKind kind, const std::string& text) override;

  // The first message box of the load, if there was one.
  const std::optional<Damage>& FirstMessage() const { return firstMessage_; }

 private:
  std::string scenarioDir_;
  std::optional<Damage> firstMessage_;
};

}  // namespace katalog
