// What the scenario loader needs from the operating system. The Win32 shell
// implements it with the real API; the tests with files on disk and fakes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "file_reader.h"

namespace lister {

struct AnalyzerRun {
  bool started = false;
  // Ended by the lister after it ran far longer or printed far more than any
  // scenario makes it: the output is incomplete and the scenario is damaged.
  bool cutOff = false;
  std::string failure;              // the system's reason when the program could not be started
  std::vector<std::string> output;  // standard output, one entry per line
  std::vector<std::string> errors;  // standard error, one entry per line
};

enum class MessageKind {
  FileError,    // "Dateifehler": owned by the main window
  SystemError,  // "Fehler": no owner
};

// Paths and texts are UTF-8. Relative paths resolve against the scenario folder,
// which is the working directory.
class Platform {
 public:
  virtual ~Platform() = default;

  // True when the path names something that is not a directory.
  virtual bool FileExists(const std::string& path) = 0;
  // The file opened for reading, shared for reading and writing; on failure
  // nullptr and the system's text for the failed operation.
  virtual std::unique_ptr<FileReader> OpenForReading(const std::string& path,
                                                     std::string& error) = 0;
  // The whole file as lines: a byte-order mark decides the encoding, else the
  // system code page; split at CR LF, LF and CR. A file larger than any real
  // script or text file is refused, with a German reason.
  virtual bool ReadTextLines(const std::string& path, std::vector<std::string>& lines,
                             std::string& error) = 0;
  // Runs analyzerPath with the bare scenario file name as its one argument,
  // in the working directory, and captures both outputs.
  virtual AnalyzerRun RunAnalyzer(const std::string& analyzerPath,
                                  const std::string& scenarioFile) = 0;
  // A modal message box with an error icon and an OK button.
  virtual void ShowMessage(MessageKind kind, const std::string& text) = 0;
};

// The scenario's XML text file: String elements with an id attribute.
class ScenarioTexts {
 public:
  virtual ~ScenarioTexts() = default;
  // Replaces the document; false when the file is missing or not well-formed
  // (lookups then return empty texts).
  virtual bool Load(const std::string& path) = 0;
  // The text of the first String element whose id equals the given one, or "".
  virtual std::string Lookup(const std::string& id) const = 0;
};

}  // namespace lister
