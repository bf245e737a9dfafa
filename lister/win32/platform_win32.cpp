#include "platform_win32.h"

#include "message_box.h"
#include "process_runner.h"
#include "text_file.h"
#include "texts.h"
#include "wide.h"
#include "win32_file_reader.h"

namespace lister {
namespace {

// A real scenario's report is a few hundred kilobytes and takes the analyzer
// well under a second; a run far past either is ended and the scenario
// counts as damaged.
constexpr RunLimits kAnalyzerLimits{8 * 1024 * 1024, 20000};

}  // namespace

bool Win32Platform::FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::unique_ptr<FileReader> Win32Platform::OpenForReading(const std::string& path,
                                                          std::string& error) {
  return OpenWin32File(Widen(path), error);
}

bool Win32Platform::ReadTextLines(const std::string& path, std::vector<std::string>& lines,
                                  std::string& error) {
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(Widen(path), kMaxTextFileBytes, bytes, error)) return false;
  lines = DecodeTextLines(bytes);
  return true;
}

AnalyzerRun Win32Platform::RunAnalyzer(const std::string& analyzerPath,
                                       const std::string& scenarioFile) {
  ProcessResult process = RunHidden(Widen(analyzerPath), Widen(scenarioFile), kAnalyzerLimits);
  AnalyzerRun run;
  run.started = process.started;
  run.cutOff = process.cutOff;
  run.failure = process.failure;
  run.output = DecodeTextLines(process.output);
  run.errors = DecodeTextLines(process.errors);
  return run;
}

void Win32Platform::ShowMessage(MessageKind kind, const std::string& text) {
  if (kind == MessageKind::FileError)
    ShowMessageBox(mainWindow_, Widen(text), Widen(german::kFileErrorTitle));
  else
    ShowMessageBox(nullptr, Widen(text), Widen(german::kSystemErrorTitle));
}

}  // namespace lister
