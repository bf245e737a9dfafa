#include "analyze.h"

#include "container.h"
#include "fatal.h"
#include "report.h"
#include "report_writer.h"

#include <cinttypes>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

void WriteToFile(void* file, const char* bytes, size_t count) {
  fwrite(bytes, 1, count, static_cast<FILE*>(file));
}

void AppendToString(void* text, const char* bytes, size_t count) {
  static_cast<std::string*>(text)->append(bytes, count);
}

void Discard(void*, const char*, size_t) {}

const ChunkHandlerTable kReportChunkHandlers = {
    {HandleMapSizeChunk, nullptr, HandleGoalsChunk, HandleScenarioChunk}};

}  // namespace

ReportSink FileReportSink(FILE* file) { return ReportSink{WriteToFile, file}; }

ReportSink MemoryReportSink(std::string* text) { return ReportSink{AppendToString, text}; }

ReportSink DiscardingReportSink() { return ReportSink{Discard, nullptr}; }

ScenarioInput ScenarioInputFromFile(FILE* file) { return ScenarioInput{file, nullptr, -1, 0}; }

ScenarioInput ScenarioInputFromBytes(const unsigned char* bytes, size_t size) {
  return ScenarioInput{nullptr, bytes, int64_t(size), 0};
}

AnalysisStatus AnalyzeScenario(ScenarioInput input, const char* displayName, ReportSink report,
                               ReportSink messages) {
  ReportWriter out;
  StartReport(&out, report);
  AnalysisStatus status = {true, nullptr, 0};
  try {
    if (displayName != nullptr) Print(&out, "Information for file: ", displayName, "\n\n");
    WalkScenarioFile(&input, &kReportChunkHandlers, &out, messages);
  } catch (const ScenarioFault& fault) {
    status = AnalysisStatus{false, fault.message, fault.position};
  }
  // What was written before an error stays the caller's.
  FlushReport(&out);
  return status;
}

std::string FormatFatalLine(const AnalysisStatus& status) {
  char position[24];
  snprintf(position, sizeof position, "%" PRId64, status.position);
  return std::string("Error: ") + status.message + " (" + position + ")\n";
}

FILE* OpenScenarioFile(const char* utf8Path) {
#ifdef _WIN32
  int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8Path, -1, nullptr, 0);
  if (length <= 0) return nullptr;
  std::wstring widePath(size_t(length), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8Path, -1, &widePath[0], length);
  return _wfopen(widePath.c_str(), L"rb");
#else
  return fopen(utf8Path, "rb");
#endif
}
