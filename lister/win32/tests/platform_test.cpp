// The lister's platform layer on a real Windows API (run under Wine by CTest):
// text files in every encoding and size, the analyzer runner and its limits,
// and the XML text lookup. Started with one argument, the program plays the
// child that the runner starts: "flood", "endless", "hang", "starts a hanging
// child", or any other, which it echoes.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "msxml_texts.h"
#include "platform_win32.h"
#include "process_runner.h"
#include "text_file.h"
#include "wide.h"

namespace {

int failures = 0;

void Check(bool condition, const std::string& what) {
  if (condition) return;
  ++failures;
  std::printf("FAILED: %s\n", what.c_str());
}

void CheckLines(const std::vector<std::string>& actual, const std::vector<std::string>& expected,
                const std::string& what) {
  std::string shown;
  for (const auto& line : actual) shown += "[" + line + "]";
  Check(actual == expected, what + ", got " + shown);
}

std::wstring TempFolder() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  std::wstring folder = std::wstring(base) + L"lister platform test " +
                        std::to_wstring(GetCurrentProcessId()) + L"\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

// A file of that many zero bytes, written without holding them in memory.
void SetSize(const std::wstring& path, std::uint64_t size) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  LARGE_INTEGER end;
  end.QuadPart = static_cast<LONGLONG>(size);
  SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  CloseHandle(file);
}

std::vector<std::string> ReadLines(lister::Platform& platform, const std::wstring& path,
                                   const std::string& bytes) {
  WriteBytes(path, bytes);
  std::vector<std::string> lines;
  std::string error;
  Check(platform.ReadTextLines(lister::Narrow(path), lines, error),
        "reading " + lister::Narrow(path));
  return lines;
}

void TestTextFiles(lister::Platform& platform, const std::wstring& folder) {
  std::wstring path = folder + L"text.cs";
  CheckLines(ReadLines(platform, path, "one\r\ntwo\nthree\rfour\r\n"),
             {"one", "two", "three", "four"},
             "CR LF, LF and CR all break lines; a final break adds nothing");
  CheckLines(ReadLines(platform, path, "a\n\nb\n\n"), {"a", "", "b", ""}, "empty lines are kept");
  CheckLines(ReadLines(platform, path, ""), {}, "an empty file has no lines");
  CheckLines(ReadLines(platform, path, "\xEF\xBB\xBFGem\xC3\xBCse\r\n"), {"Gem\xC3\xBCse"},
             "UTF-8 with its mark");
  CheckLines(ReadLines(platform, path, std::string("\xFF\xFEG\0\xFC\0\r\0\n\0x\0", 12)),
             {"G\xC3\xBC", "x"}, "UTF-16 little endian");
  CheckLines(ReadLines(platform, path, std::string("\xFE\xFF\0G\0\xFC\0\n", 8)), {"G\xC3\xBC"},
             "UTF-16 big endian");
  if (GetACP() == 1252)
    CheckLines(ReadLines(platform, path, "Gem\xFCse"), {"Gem\xC3\xBCse"},
               "no mark: the ANSI code page");

  std::vector<std::string> lines;
  std::string error;
  Check(!platform.ReadTextLines(lister::Narrow(folder + L"missing.cs"), lines, error) &&
            !error.empty(),
        "a missing file fails with the system's reason");

  // Scripts and texts of any real scenario are far below the limit.
  std::wstring big = folder + L"Gro\u00DF.cs";
  SetSize(big, lister::kMaxTextFileBytes);
  Check(platform.ReadTextLines(lister::Narrow(big), lines, error) && lines.size() == 1,
        "a file of exactly the limit is read");
  SetSize(big, lister::kMaxTextFileBytes + 1);
  Check(!platform.ReadTextLines(lister::Narrow(big), lines, error) &&
            error ==
                "Die Datei Gro\xC3\x9F.cs ist gr\xC3\xB6\xC3\x9F"
                "er als 4 MB und wird nicht gelesen.",
        "a file past the limit is refused, saying so");
  DeleteFileW(big.c_str());
  for (int attempt = 0; attempt < 3; ++attempt) {
    Check(!platform.ReadTextLines(lister::Narrow(folder + L"missing.cs"), lines, error),
          "failed reads leave no handle behind");
  }
  Check(platform.FileExists(lister::Narrow(path)), "a file exists");
  Check(!platform.FileExists(lister::Narrow(folder)), "a folder is no file");
  Check(!platform.FileExists(lister::Narrow(folder + L"missing.cs")),
        "a missing file does not exist");
}

bool ProcessEnded(DWORD id) {
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
  if (process == nullptr) return true;
  bool ended = WaitForSingleObject(process, 5000) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
}

DWORD FirstNumber(const std::vector<std::uint8_t>& bytes) {
  return std::strtoul(std::string(bytes.begin(), bytes.end()).c_str(), nullptr, 10);
}

// A child that prints without end, or hangs, is ended at the limits, and so
// is anything it started.
void TestRunnerLimits(const std::wstring& child) {
  const std::size_t kLimit = 1024 * 1024;
  lister::ProcessResult result = lister::RunHidden(child, L"endless", {kLimit, 600000});
  Check(result.started && result.cutOff, "a child that prints without end is cut off");
  Check(result.output.size() <= kLimit && result.output.size() > kLimit - 65536,
        "at the limit of output: " + std::to_string(result.output.size()));
  Check(ProcessEnded(FirstNumber(result.output)), "and it has ended");

  const lister::RunLimits limits{kLimit, 3000};

  result = lister::RunHidden(child, L"starts a hanging child", limits);
  Check(result.started && result.cutOff, "a child that hangs is cut off at the time limit");
  DWORD grandchild = FirstNumber(result.output);
  Check(grandchild != 0 && ProcessEnded(grandchild),
        "and the program it started has ended with it");

  result = lister::RunHidden(child, L"Campania Felix.scn", limits);
  Check(result.started && !result.cutOff, "a child within the limits is not cut off");
}

void TestRunner(lister::Platform& platform, const std::wstring& folder) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring child = folder + L"child with blank.exe";
  Check(CopyFileW(self, child.c_str(), FALSE), "copying the child program");

  lister::AnalyzerRun run = platform.RunAnalyzer(lister::Narrow(child), "Campania Felix.scn");
  Check(run.started, "the child starts from a folder with a blank");
  CheckLines(run.output, {"arguments: 1", "Campania Felix.scn"},
             "the file name arrives as one argument");
  CheckLines(run.errors, {}, "nothing on standard error");

  run = platform.RunAnalyzer(lister::Narrow(child), "flood");
  Check(run.output == std::vector<std::string>{"done"}, "a child that floods standard error ends");
  Check(run.errors.size() == 1024 * 16, "all of standard error is captured");

  run = platform.RunAnalyzer(lister::Narrow(folder + L"no such program.exe"), "x.scn");
  Check(!run.started && !run.failure.empty(), "a missing program is not started and says why");

  TestRunnerLimits(child);
  DeleteFileW(child.c_str());
}

void TestTexts(const std::wstring& folder) {
  std::wstring path = folder + L"Scenario.xml";
  WriteBytes(path,
             "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Strings>\n"
             "  <String id=\"SITE_1_FULLNAME\">Roma</String>\n"
             "  <String id=\"SITE_11_FULLNAME\">Ostia</String>\n"
             "  <String id=\"DOUBLE\">first</String>\n  <Group><String "
             "id=\"DOUBLE\">second</String></Group>\n"
             "  <String id=\"OVERVIEW\">Ein Gru\xC3\x9F\\nan alle</String>\n"
             "  <String id=\"it's\">quoted</String>\n"
             "  <String id='both&apos;&quot;'>both quotes</String>\n"
             "</Strings>\n");
  lister::MsxmlScenarioTexts texts;
  Check(texts.Load(lister::Narrow(path)), "a well-formed text file loads");
  Check(texts.Lookup("SITE_1_FULLNAME") == "Roma", "an id matches whole, not as a prefix");
  Check(texts.Lookup("DOUBLE") == "first", "a shared id gives the first in document order");
  Check(texts.Lookup("OVERVIEW") == "Ein Gru\xC3\x9F\\nan alle",
        "text comes back unchanged, umlauts included");
  Check(texts.Lookup("it's") == "quoted", "an id with an apostrophe");
  Check(texts.Lookup("both'\"") == "both quotes", "an id with both quotes");
  Check(texts.Lookup("MISSING").empty(), "a missing id gives an empty text");

  WriteBytes(path, "<Strings><String id=\"A\">x</Strings>");
  Check(!texts.Load(lister::Narrow(path)), "a text file that is not well-formed fails to load");
  Check(texts.Lookup("A").empty(), "and then every lookup is empty");
  Check(!texts.Load(lister::Narrow(folder + L"missing.xml")) && texts.Lookup("A").empty(),
        "a missing file");

  std::string padding(lister::kMaxTextFileBytes, ' ');
  WriteBytes(path, "<Strings><String id=\"A\">x</String>" + padding + "</Strings>");
  Check(!texts.Load(lister::Narrow(path)) && texts.Lookup("A").empty(),
        "a text file past the limit for texts is not parsed");
}

int PlayChild(const std::wstring& argument, int argumentCount) {
  if (argument == L"endless") {
    std::string block = std::to_string(GetCurrentProcessId()) + "\n";
    block.resize(65536, '.');
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD written = 0;
    while (WriteFile(output, block.data(), static_cast<DWORD>(block.size()), &written, nullptr)) {
    }
    return 1;
  }
  if (argument == L"hang") Sleep(INFINITE);
  if (argument == L"starts a hanging child") {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(self) + L"\" hang";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(self, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process))
      std::printf("%lu\n", process.dwProcessId);
    std::fflush(stdout);
    Sleep(INFINITE);
  }
  if (argument == L"flood") {
    std::string line(63, 'e');
    line += '\n';
    for (int i = 0; i < 1024 * 16; ++i) std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    std::puts("done");
    return 0;
  }
  std::printf("arguments: %d\n%s\n", argumentCount - 1, lister::Narrow(argument).c_str());
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc > 1) return PlayChild(argv[1], argc);
  std::wstring folder = TempFolder();
  lister::Win32Platform platform;
  TestTextFiles(platform, folder);
  TestRunner(platform, folder);
  TestTexts(folder);
  std::printf(failures ? "%d checks failed\n" : "all checks passed\n", failures);
  return failures ? 1 : 0;
}
