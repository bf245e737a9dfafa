#include "catalogue_platform.h"

#include <cstdio>

#include "analyze.h"
#include "files.h"
#include "katalog_texts.h"
#include "text_lines.h"

namespace katalog {
namespace {

// Keeps the first kMaxReportBytes of a report or of the messages, and notes
// whether there was more.
struct BoundedReport {
  std::string bytes;
  bool cutOff = false;
};

void WriteBounded(void* context, const char* bytes, size_t count) {
  auto* report = static_cast<BoundedReport*>(context);
  const std::size_t room = kMaxReportBytes - report->bytes.size();
  if (count > room) {
    report->cutOff = true;
    count = room;
  }
  report->bytes.append(bytes, count);
}

}  // namespace

bool ReadTextFileBytes(const std::string& path, std::string& bytes) {
  std::string error;
  return ReadWholeFile(path, kMaxTextFileBytes, bytes, error);
}

bool CataloguePlatform::FileExists(const std::string& path) { return IsFile(path); }

std::unique_ptr<lister::FileReader> CataloguePlatform::OpenForReading(const std::string& path,
                                                                      std::string& error) {
  return OpenFileReader(path, error);
}

bool CataloguePlatform::ReadTextLines(const std::string& path, std::vector<std::string>& lines,
                                      std::string& error) {
  std::string bytes;
  if (!ReadWholeFile(path, kMaxTextFileBytes, bytes, error)) return false;
  lines = DecodeTextLines(bytes);
  return true;
}

// What the analyzer program would print for the bare file name, run in the
// scenario folder: its standard output and standard error as lines.
lister::AnalyzerRun CataloguePlatform::RunAnalyzer(const std::string&,
                                                   const std::string& scenarioFile) {
  lister::AnalyzerRun run;
  run.started = true;
  FILE* file = OpenRegularFile(scenarioDir_ + scenarioFile);
  if (file == nullptr) {
    run.errors.push_back("Cannot open " + scenarioFile);
    return run;
  }
  BoundedReport report, messages;
  const AnalysisStatus status =
      AnalyzeScenario(ScenarioInputFromFile(file), scenarioFile.c_str(),
                      ReportSink{WriteBounded, &report}, ReportSink{WriteBounded, &messages});
  std::fclose(file);
  if (!status.ok) messages.bytes += FormatFatalLine(status);
  run.cutOff = report.cutOff || messages.cutOff;
  run.output = DecodeTextLines(report.bytes);
  run.errors = DecodeTextLines(messages.bytes);
  return run;
}

void CataloguePlatform::ShowMessage(lister::MessageKind kind, const std::string& text) {
  if (firstMessage_) return;
  firstMessage_ = Damage{kind == lister::MessageKind::FileError ? lister::german::kFileErrorTitle
                                                                : lister::german::kSystemErrorTitle,
                         text};
}

}  // namespace katalog
