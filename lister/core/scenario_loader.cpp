#include "scenario_loader.h"

#include "city_page.h"
#include "goal_texts.h"
#include "overview_text.h"
#include "picture_file.h"
#include "report_summary.h"
#include "script_summary.h"
#include "shipped_scenarios.h"
#include "text_util.h"
#include "texts.h"

namespace lister {

namespace {

using german::FillIn;

constexpr const char* kFileNameLine = "Information for file: ";

constexpr const char* kSummaryLabels[] = {
    "MilitaryRequestsInfo", "MilitaryInvasionsInfo", "NatureEventsInfo",
    "WagePlebejerInfo",     "WageEquitesInfo",       "TradeRequestsInfo",
    "CitiesCountInfo",      "PopulationInfo",        "FavorInfo",
    "ProsperityInfo",       "CultureInfo",           "SecurityInfo",
    "ZielNoteInfo",         "ScnStatusInfo",         "MapLocationInfo",
    "MapSizeInfo",
};

constexpr const char* kGoodsSlots[] = {"SellWare1", "SellWare2", "SellWare3",
                                       "BuyWare1",  "BuyWare2",  "BuyWare3"};

// Labels of the trade and request pages that a loaded scenario fills; a
// failed load must not leave an earlier scenario's values in them.
constexpr const char* kCityLabels[] = {"MapLocationInfo2", "CityType", "TradeRouteType",
                                       "TradeRouteStatus"};
constexpr const char* kRequestLabels[] = {"REQWareCount", "REQWareName", "REQTime",    "REQComply",
                                          "REQRecurs",    "REQReward",   "REQPenalty", "REQText"};

void FormFileNames(ScenarioState& state, const std::string& scenarioFile) {
  state.scenarioFile = scenarioFile;
  state.scenarioBase = Copy(scenarioFile, 1, CharLength(scenarioFile) - 4);
  state.pictureFile = state.scenarioBase + "_Color.dds";
  state.scriptFile = state.scenarioBase + ".cs";
  state.textFile = state.scenarioBase + ".xml";
}

bool CheckCompanionFiles(Platform& platform, const ScenarioState& state,
                         const std::string& scenarioDir) {
  const struct {
    const std::string& file;
    const char* missing;
  } companions[] = {
      {state.scenarioFile, german::kScenarioFileMissing},
      {state.pictureFile, german::kPictureFileMissing},
      {state.textFile, german::kTextFileMissing},
  };
  for (const auto& companion : companions) {
    if (!platform.FileExists(scenarioDir + companion.file)) {
      platform.ShowMessage(MessageKind::FileError, FillIn(companion.missing, {companion.file}));
      return false;
    }
  }
  return true;
}

// The pixel format code as text, with a '?' for each byte that is not
// printable ASCII.
std::string PrintableCode(const std::array<std::uint8_t, 4>& code) {
  std::string text;
  for (std::uint8_t c : code) text += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
  return text;
}

std::string PictureFaultText(const PictureResult& result) {
  using std::to_string;
  switch (result.fault) {
    case PictureFault::None: break;
    case PictureFault::HeaderCut:
      return FillIn(german::kPictureHeaderCut, {to_string(result.fileSize)});
    case PictureFault::NotDxt1:
      return FillIn(german::kPictureNotDxt1, {PrintableCode(result.format)});
    case PictureFault::TooLarge:
      return FillIn(german::kPictureTooLarge,
                    {to_string(result.width), to_string(result.height), to_string(kMaxPictureSide),
                     to_string(kMaxPictureSide)});
    case PictureFault::BlockDataCut:
      return FillIn(german::kPictureBlockDataCut,
                    {to_string(result.blockBytes), to_string(result.blockBytesFound)});
    case PictureFault::NoMemory:
      return FillIn(german::kPictureNoMemory, {to_string(result.width), to_string(result.height)});
    case PictureFault::Unreadable: return result.systemText;
  }
  return {};
}

// The script is optional; the text file only has to be readable here, its
// texts are looked up through ScenarioTexts.
bool ReadScriptAndTextFile(Platform& platform, ScenarioState& state,
                           const std::string& scenarioDir) {
  std::string error;
  if (platform.FileExists(scenarioDir + state.scriptFile) &&
      !platform.ReadTextLines(scenarioDir + state.scriptFile, state.scriptLines, error)) {
    platform.ShowMessage(MessageKind::SystemError, error);
    return false;
  }
  std::vector<std::string> textLines;
  if (!platform.ReadTextLines(scenarioDir + state.textFile, textLines, error)) {
    platform.ShowMessage(MessageKind::SystemError, error);
    return false;
  }
  return true;
}

// The analyzer gets the bare file name as its one argument and runs in the
// scenario folder, so a name with blanks needs no copy of the scenario.
bool RunAnalyzerOnScenario(Platform& platform, ScenarioState& state,
                           const std::string& scenarioDir) {
  AnalyzerRun run = platform.RunAnalyzer(scenarioDir + "analyzer.exe", state.scenarioFile);
  if (!run.started) {
    platform.ShowMessage(MessageKind::SystemError,
                         FillIn(german::kAnalyzerNotStarted, {run.failure}));
    return false;
  }
  // The report's first line echoes the file name; dropping it keeps a name
  // such as "Region Nord.scn" from being read as report content.
  state.reportLines = std::move(run.output);
  if (!state.reportLines.empty() && state.reportLines.front().rfind(kFileNameLine, 0) == 0)
    state.reportLines.erase(state.reportLines.begin());
  state.cityHeaders = IndexCityHeaders(state.reportLines);
  if (!run.errors.empty() || run.cutOff) {
    platform.ShowMessage(MessageKind::FileError,
                         FillIn(german::kScenarioDamaged, {state.scenarioFile}));
    return false;
  }
  return true;
}

void ShowSummary(View& view, ScenarioTexts& texts, ScenarioState& state,
                 const std::string& scenarioDir) {
  const std::string kind = ScenarioKind(state.scenarioFile);
  view.SetText("ScnStatusInfo", kind);

  // Labels whose report line is missing show their not-found default, so
  // nothing of the previous scenario survives a conversion error below.
  ShowReportSummary(view, ReportSummary());
  state.cityCount = 0;
  state.report = ReadReportSummary(state.reportLines);
  ShowReportSummary(view, state.report);
  state.cityCount = state.report.cityCount;

  state.script = ScanScript(state.scriptLines);
  ShowScriptSummary(view, state.script);

  texts.Load(scenarioDir + state.textFile);
  view.SetText("Story", OverviewText(texts.Lookup("OVERVIEW")));
  ShowGoalTexts(view, texts, state.report.openPlay, kind);
}

}  // namespace

bool LoadScenario(View& view, Platform& platform, ScenarioTexts& texts, ScenarioState& state,
                  const std::string& scenarioDir) {
  state.reportLines.clear();
  state.cityHeaders.clear();
  state.scriptLines.clear();
  state.report = ReportSummary();
  state.script = ScriptSummary();
  FormFileNames(state, view.ListItem("SCNFilesList", view.SelectedListIndex("SCNFilesList")));
  view.SetText("SCNName", FillIn(german::kScenarioCaption, {state.scenarioBase}));

  if (!CheckCompanionFiles(platform, state, scenarioDir)) return false;

  RgbPicture picture;
  const PictureResult result =
      LoadScenarioPicture(platform, scenarioDir + state.pictureFile, picture);
  if (!result.Ok()) {
    platform.ShowMessage(MessageKind::SystemError, PictureFaultText(result));
    return false;
  }
  view.ShowPicture("ScnPicture", picture);

  if (!ReadScriptAndTextFile(platform, state, scenarioDir)) return false;
  if (!RunAnalyzerOnScenario(platform, state, scenarioDir)) return false;
  ShowSummary(view, texts, state, scenarioDir);
  return true;
}

void ClearScenarioView(View& view) {
  for (const char* label : kSummaryLabels) view.SetText(label, german::kAbsent);
  view.ClearList("CityList");
  view.ClearList("REQList");
  view.SetText("Story", "");
  view.ClearPicture("ScnPicture");
  for (const std::string slot : kGoodsSlots) {
    view.SetText(slot + "Name", "");
    view.SetText(slot + "Count", "");
    view.ClearPicture(slot + "Picture");
  }
  view.SetText("Anforderungen", german::kAbsent);
  view.SetText("Invasionen", german::kAbsent);

  for (const char* label : kCityLabels) view.SetText(label, german::kAbsent);
  for (const char* label : kRequestLabels) view.SetText(label, "");
  view.ClearPicture("REQWarePicture");
  view.SetText("ZielInfo", german::kGoalsDesignText);
  view.SetTextColor("ZielInfo", kBlack);
  view.RemoveChildren("PGRessourcen");
}

}  // namespace lister
