// analyzer: prints the report of one scenario file.
#include "analyze.h"
#include "output_stream.h"
#include "report_writer.h"

#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <string>
#include <vector>

// The lister passes exactly one file name, which may hold "[", "*" or "?":
// the C runtime must not expand it as a pattern.
extern "C" {
int _dowildcard = 0;
}
#endif

namespace {

const char kVersion[] = "1.1";
const char kVersionDate[] = "2007-05-05";

// A report of many megabytes reaches standard output in a few dozen writes.
const size_t kOutputBufferBytes = 256 * 1024;
char outputBuffer[kOutputBufferBytes];

void PrintVersion(OutputStream* out) {
  ReportWriter writer;
  StartReport(&writer, OutputStreamSink(out));
  Print(&writer, "Valdorum Scenario Analyzer ", kVersion, " (", kVersionDate, ")\n");
  Print(&writer, "Prints what a scenario holds: goals, empire, invasions, orders and requests.\n");
  FlushReport(&writer);
}

// args are UTF-8; the report goes to out, everything else to standard error;
// openFile opens args[1] for binary reading.
template <typename OpenFile>
int RunAnalyzer(int argc, const char* const* args, OutputStream* out, OpenFile openFile) {
  if (argc != 2) {
    fprintf(stderr, "Usage: %s [file.scn]\n", argc > 0 ? args[0] : "analyzer");
    return 1;
  }
  const char* argument = args[1];
  if (strcmp(argument, "-v") == 0) {
    PrintVersion(out);
    return 0;
  }
  // Stays open until the process ends.
  FILE* file = openFile();
  if (file == nullptr) {
    fprintf(stderr, "Cannot open %s\n", argument);
    return 1;
  }
  AnalysisStatus status = AnalyzeScenario(ScenarioInputFromFile(file), argument,
                                          OutputStreamSink(out), FileReportSink(stderr));
  if (status.ok) return 0;
  // The report so far reaches its reader before the error line does.
  FlushOutputStream(out);
  fputs(FormatFatalLine(status).c_str(), stderr);
  return 1;
}

}  // namespace

#ifdef _WIN32

namespace {

std::string ToUtf8(const wchar_t* text) {
  int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::string();
  std::string utf8(size_t(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, &utf8[0], length, nullptr, nullptr);
  utf8.resize(size_t(length - 1));
  return utf8;
}

}  // namespace

// Windows hands the arguments over as UTF-16. The file is opened by its wide
// name, so any name Windows allows reaches it unchanged; the name is printed
// as UTF-8. Standard output is binary: the report's lines end in "\r\n" all
// the same, written by the output stream in large blocks. Standard error
// keeps the text mode for its few short lines.
int wmain(int argc, wchar_t** wideArgs) {
  _setmode(_fileno(stdout), _O_BINARY);
  OutputStream out;
  StartOutputStream(&out, stdout, true, outputBuffer, kOutputBufferBytes);
  std::vector<std::string> utf8Args;
  for (int i = 0; i < argc; ++i) utf8Args.push_back(ToUtf8(wideArgs[i]));
  std::vector<const char*> args;
  for (const std::string& arg : utf8Args) args.push_back(arg.c_str());
  int status = RunAnalyzer(argc, args.data(), &out, [&] { return _wfopen(wideArgs[1], L"rb"); });
  FlushOutputStream(&out);
  return status;
}

#else

int main(int argc, char** argv) {
  OutputStream out;
  StartOutputStream(&out, stdout, false, outputBuffer, kOutputBufferBytes);
  int status = RunAnalyzer(argc, argv, &out, [&] { return fopen(argv[1], "rb"); });
  FlushOutputStream(&out);
  return status;
}

#endif
