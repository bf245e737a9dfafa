// The analyzer as a library: one scenario file in, its English report out to a
// sink that the caller chooses. A call keeps all its state to itself, so
// scenarios can be analysed one after another or on several threads at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// Receives the bytes of a report, or of the chunk messages, in order.
struct ReportSink {
  void (*write)(void* context, const char* bytes, size_t count);
  void* context;
};

// Writes to an open stream (standard output for the command line); the caller keeps it.
ReportSink FileReportSink(FILE* file);
// Appends to the string.
ReportSink MemoryReportSink(std::string* text);
ReportSink DiscardingReportSink();

// Where a scenario file's bytes come from: an open file or bytes in memory.
struct ScenarioInput {
  FILE* file;                  // null for bytes in memory
  const unsigned char* bytes;  // the bytes in memory, when file is null
  int64_t size;                // of the bytes in memory
  int64_t position;            // the offset in memory; a file keeps its own
};

// The file must be open for binary reading and stand at its start; the caller closes it.
ScenarioInput ScenarioInputFromFile(FILE* file);
// The bytes must stay valid during the analysis.
ScenarioInput ScenarioInputFromBytes(const unsigned char* bytes, size_t size);

struct AnalysisStatus {
  bool ok;              // false: a format error ended the analysis
  const char* message;  // the error's text (static); null when ok
  int64_t position;     // where the error was found
};

// Writes "Information for file: <displayName>\n\n" to the report (unless
// displayName is null), then the report of the scenario, exactly as the
// command line prints it. Messages about chunks that cannot be inflated
// ("Could not malloc for uncompressed data" and the like) go to messages; the
// command line prints them on standard error. After a format error the report
// written so far stays in the sink and the status names the error.
AnalysisStatus AnalyzeScenario(ScenarioInput input, const char* displayName, ReportSink report,
                               ReportSink messages);

// "Error: <message> (<position>)\n", the line the command line prints for a failed analysis.
std::string FormatFatalLine(const AnalysisStatus& status);

// Opens a scenario file by its UTF-8 name for binary reading (through the
// wide name on Windows, so that any name reaches the file); null on failure.
FILE* OpenScenarioFile(const char* utf8Path);
