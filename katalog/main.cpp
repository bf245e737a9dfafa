// katalog [SCENARIO_FOLDER] [-o OUT_FOLDER] [-j JOBS]: writes the catalogue of
// every scenario of a folder. Exit status 0 when it was written (damaged
// scenarios included), 1 when the folder cannot be read or the catalogue
// cannot be written, 2 for arguments it does not understand. katalog.exe
// started without a scenario folder opens the page itself
// (win32/start_without_folder.h).
#ifdef _WIN32
#include <windows.h>
#include <io.h>
#else
#include <unistd.h>
#endif

#include <chrono>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "katalog_texts.h"
#include "stop_request.h"
#include "text_lines.h"
#include "write_catalogue.h"

#ifdef _WIN32
#include "game_install.h"
#include "msxml_texts.h"
#include "start_without_folder.h"
#include "user_folders.h"
#include "wide.h"
#else
#include "catalogue_platform.h"
#include "pugixml_texts.h"
#endif

namespace katalog {
namespace {

constexpr int kUsageStatus = 2;
constexpr char kNativeDefaultOutput[] = "szenarienkatalog";

bool ErrorIsTerminal() {
#ifdef _WIN32
  return _isatty(_fileno(stderr)) != 0;
#else
  return isatty(STDERR_FILENO) != 0;
#endif
}

// UTF-8 text on standard output or standard error; a Windows console gets it
// as UTF-16, so that umlauts show whatever its code page.
void Print(FILE* stream, const std::string& text) {
#ifdef _WIN32
  HANDLE console = GetStdHandle(stream == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
  DWORD mode;
  if (GetConsoleMode(console, &mode)) {
    std::fflush(stream);
    const std::wstring wide = lister::Widen(text);
    DWORD written;
    WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
#endif
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fflush(stream);
}

void PrintError(const std::string& text) { Print(stderr, text); }

// Control characters that a file name brings are shown as \xNN, so that
// none reaches the terminal.
void PrintLine(const std::string& text) { PrintError(EscapeControls(text) + "\n"); }

// What a run leaves for the end of katalog.exe's start without a scenario
// folder (start_without_folder.h).
struct RunReport {
  bool folderGiven = false;
  std::string page;   // the written catalogue's page
  std::string error;  // why the run failed
};

struct Arguments {
  std::string folder;
  std::string output;
  int jobs = 0;
  bool help = false;
};

bool ParseJobs(const std::string& text, int& jobs) {
  if (text.empty() || text.size() > 4) return false;
  jobs = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    jobs = jobs * 10 + (c - '0');
  }
  return jobs > 0 && jobs <= kMaxJobs;
}

// What is wrong with the arguments, in German; "" when nothing is.
std::string ParseArguments(const std::vector<std::string>& args, Arguments& parsed) {
  using german::FillIn;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "-o" || arg == "-j") {
      if (++i == args.size() || args[i].empty()) return FillIn(german::kMissingValue, {arg});
      if (arg == "-o") {
        if (!parsed.output.empty()) return FillIn(german::kOptionTwice, {arg});
        parsed.output = args[i];
      } else if (!ParseJobs(args[i], parsed.jobs)) {
        return FillIn(german::kJobsRange, {std::to_string(kMaxJobs), args[i]});
      }
    } else if (arg == "-h" || arg == "--help") {
      parsed.help = true;
    } else if (!arg.empty() && arg[0] == '-') {
      return FillIn(german::kUnknownOption, {arg});
    } else if (!parsed.folder.empty() || arg.empty()) {
      return FillIn(german::kSecondFolder, {arg});
    } else {
      parsed.folder = arg;
    }
  }
  return {};
}

TextsFactory MakeTextsFactory() {
#ifdef _WIN32
  return [] { return std::make_unique<lister::MsxmlScenarioTexts>(); };
#else
  return [] { return std::make_unique<PugixmlTexts>(ReadTextFileBytes); };
#endif
}

// The folders the command line leaves out. False with a message when there is none.
bool ChooseFolders(Arguments& arguments, std::string& error) {
#ifdef _WIN32
  if (arguments.folder.empty()) {
    const std::wstring game = lister::ReadInstallLocation();
    if (game.empty()) {
      error = german::kNoGameFound;
      return false;
    }
    arguments.folder = lister::Narrow(game + L"\\Data\\Scenarios\\");
    if (arguments.output.empty()) arguments.output = UserCatalogueFolder();
    if (arguments.output.empty()) {
      error = german::kNoUserFolder;
      return false;
    }
  }
#endif
  if (arguments.folder.empty()) {
    error = german::kUsage;
    return false;
  }
  if (arguments.output.empty()) arguments.output = kNativeDefaultOutput;
  return true;
}

// "12,3": one decimal, with the German decimal comma.
std::string Decimal(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  std::string result = text;
  for (char& c : result)
    if (c == '.') c = ',';
  return result;
}

int Run(const std::vector<std::string>& args, RunReport& report) {
  Arguments arguments;
  const std::string wrong = ParseArguments(args, arguments);
  if (!wrong.empty()) {
    PrintLine(wrong);
    PrintLine(german::kUsage);
    report.error = wrong;
    return kUsageStatus;
  }
  report.folderGiven = !arguments.folder.empty() || arguments.help;  // help opens no page
  if (arguments.help) {
    Print(stdout, std::string(german::kUsage) + "\n\n" +
                      german::FillIn(german::kHelp, {std::to_string(kMaxJobs)}) + "\n");
    return 0;
  }
  std::string error;
  if (!ChooseFolders(arguments, error)) {
    PrintLine(error);
    report.error = error;
    return error == german::kUsage ? kUsageStatus : 1;
  }

  const auto start = std::chrono::steady_clock::now();
  CatalogueOptions options;
  options.scenarioFolder = arguments.folder;
  options.outputFolder = arguments.output;
  options.jobs = arguments.jobs;
  options.makeTexts = MakeTextsFactory();
  const bool terminal = ErrorIsTerminal();
  bool progressShown = false;
  if (terminal) {
    options.progress = [&](int done, int total) {
      PrintError("\r" +
                 german::FillIn(german::kProgress, {std::to_string(done), std::to_string(total)}));
      progressShown = true;
    };
  }
  options.stop = &gStopRequested;
  const CatalogueResult result = WriteCatalogue(options);
  if (progressShown) PrintError("\n");
  for (const std::string& problem : result.problems) PrintLine(problem);
  for (const std::string& note : result.notes) PrintLine(note);
  if (!result.written) {
    PrintLine(result.error);
    if (result.stopped) FinishStop();
    report.error = result.error;
    return 1;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  PrintLine(german::FillIn(
      german::kSummary, {std::to_string(result.scenarios), std::to_string(result.damaged),
                         Decimal(seconds), Decimal(result.outputBytes / 1e6), arguments.output}));
  Print(stdout, result.page + "\n");
  report.page = result.page;
  FinishStop();
  return 0;
}

int RunGuarded(const std::vector<std::string>& args, RunReport& report) {
  InstallStopHandlers();
  try {
    return Run(args, report);
  } catch (const std::exception& error) {
    PrintLine(std::string("katalog: ") + error.what());
    report.error = error.what();
    return 1;
  }
}

}  // namespace
}  // namespace katalog

#ifdef _WIN32

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 0; i < argc; ++i) args.push_back(lister::Narrow(argv[i]));
  katalog::RunReport report;
  const int status = katalog::RunGuarded(args, report);
  if (report.folderGiven) return status;
  return katalog::FinishStartWithoutFolder(status, report.page, report.error);
}

#else

int main(int argc, char** argv) {
  katalog::RunReport report;
  return katalog::RunGuarded(std::vector<std::string>(argv, argv + argc), report);
}

#endif
