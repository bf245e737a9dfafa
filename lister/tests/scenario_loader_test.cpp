#include "scenario_loader.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

#include "dds_bytes.h"
#include "recording_view.h"
#include "text_util.h"
#include "xml_texts.h"

namespace lister {
namespace {

const std::string kDir = "C:\\Program Files (x86)\\Valdorum\\Data\\Scenarios\\";

struct Message {
  MessageKind kind;
  std::string text;
};

// The scenario folder in memory, an analyzer with canned output, and the
// message boxes it was asked to show.
class FakePlatform : public Platform {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> unreadable;
  AnalyzerRun analyzerRun;
  std::vector<std::pair<std::string, std::string>> analyzerCalls;
  std::vector<Message> messages;

  bool FileExists(const std::string& path) override { return files.count(path) != 0; }

  std::unique_ptr<FileReader> OpenForReading(const std::string& path, std::string& error) override {
    if (!Readable(path, error)) return nullptr;
    return std::make_unique<MemoryFileReader>(
        std::vector<std::uint8_t>(files[path].begin(), files[path].end()));
  }

  bool ReadTextLines(const std::string& path, std::vector<std::string>& lines,
                     std::string& error) override {
    if (!Readable(path, error)) return false;
    lines.clear();
    std::string line;
    for (char c : files[path]) {
      if (c != '\n') {
        line += c;
        continue;
      }
      lines.push_back(line);
      line.clear();
    }
    if (!line.empty()) lines.push_back(line);
    return true;
  }

  AnalyzerRun RunAnalyzer(const std::string& analyzerPath,
                          const std::string& scenarioFile) override {
    analyzerCalls.emplace_back(analyzerPath, scenarioFile);
    return analyzerRun;
  }

  void ShowMessage(MessageKind kind, const std::string& text) override {
    messages.push_back({kind, text});
  }

 private:
  bool Readable(const std::string& path, std::string& error) {
    if (files.count(path) != 0 && unreadable.count(path) == 0) return true;
    error = "Der Prozess kann nicht auf die Datei zugreifen.";
    return false;
  }
};

// The scenario texts read from the fake folder.
class FolderTexts : public ScenarioTexts {
 public:
  explicit FolderTexts(FakePlatform& platform) : platform_(platform) {}
  bool Load(const std::string& path) override { return xml_.LoadText(platform_.files[path]); }
  std::string Lookup(const std::string& id) const override { return xml_.Lookup(id); }

 private:
  FakePlatform& platform_;
  XmlTexts xml_;
};

std::string Bytes(const std::vector<std::uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

class LoadScenarioTest : public ::testing::Test {
 protected:
  // A complete scenario whose name holds a blank and the word "Region".
  void SetUp() override {
    AddScenario("Region Nord");
    platform.analyzerRun.started = true;
    platform.analyzerRun.output = {"Information for file: Region Nord.scn",
                                   "",
                                   "Map size: 384",
                                   "",
                                   "Number of goals: 3",
                                   "Number of cities: 4",
                                   "City 1:",
                                   "Region: Northern Europe",
                                   ""};
    Select("Region Nord.scn");
  }

  void AddScenario(const std::string& base) {
    platform.files[kDir + base + ".scn"] = "scenario";
    platform.files[kDir + base + "_Color.dds"] = Bytes(DdsFile(4, 4, Dxt1Block(0xFFFF, 0x0000, 0)));
    platform.files[kDir + base + ".xml"] =
        "<Texts><String id='OVERVIEW'>Am Fluss\\n\\nim Norden</String>"
        "<String id='CULTURE'>40</String><String id='POPULATION'>3000</String></Texts>";
    platform.files[kDir + base + ".cs"] =
        "mInvasions = new InvasionSetup[2];\nr = new MilitaryRequest();\n"
        "w = eWageTypes.kPleb;\n";
  }

  void Select(const std::string& file) {
    view.ClearList("SCNFilesList");
    view.AddListItem("SCNFilesList", "Other.scn");
    view.AddListItem("SCNFilesList", file);
    view.SelectListItem("SCNFilesList", 1);
  }

  bool Load() { return LoadScenario(view, platform, texts, state, kDir); }

  // A fresh folder and window for the next case of a table.
  void Restart() {
    platform = FakePlatform();
    view = RecordingView();
    state = ScenarioState();
    SetUp();
  }

  RecordingView view;
  FakePlatform platform;
  FolderTexts texts{platform};
  ScenarioState state;
};

TEST_F(LoadScenarioTest, CompleteScenarioFillsTheSummary) {
  ASSERT_TRUE(Load());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(view.GetText("SCNName"), "Szenario: Region Nord");
  EXPECT_EQ(view["ScnPicture"].picture, "picture 4x4");
  EXPECT_EQ(view.GetText("ScnStatusInfo"), "Userszenario");
  EXPECT_EQ(view.GetText("MapSizeInfo"), "grosse Karte");
  // The file name line is not report content: the real region is shown.
  EXPECT_EQ(view.GetText("MapLocationInfo"), "Nordeuropa");
  EXPECT_EQ(view.GetText("MapLocationInfo2"), "Nordeuropa");
  EXPECT_EQ(view.GetText("CitiesCountInfo"), "4");
  EXPECT_EQ(state.cityCount, 4);
  EXPECT_EQ(state.reportLines.front(), "");
  EXPECT_EQ(state.reportLines.size(), 8u);
  // The city pages find the headers in the index built with the report.
  ASSERT_EQ(state.cityHeaders.size(), 1u);
  EXPECT_EQ(state.cityHeaders[0].city, 1);
  EXPECT_EQ(state.reportLines[state.cityHeaders[0].line], "City 1:");
  EXPECT_EQ(state.scriptLines.size(), 3u);
  EXPECT_EQ(view.GetText("MilitaryRequestsInfo"), "1");
  EXPECT_EQ(view.GetText("MilitaryInvasionsInfo"), "2");
  EXPECT_EQ(view.GetText("NatureEventsInfo"), "-*-");
  EXPECT_EQ(view.GetText("WagePlebejerInfo"), "Ja");
  EXPECT_EQ(view.GetText("WageEquitesInfo"), "Nein");
  EXPECT_EQ(view.GetText("Story"), "Am Fluss\r\nim Norden");
  EXPECT_EQ(view.GetText("ZielInfo"), "Spielziele");
  EXPECT_EQ(view.GetText("CultureInfo"), "40");
  EXPECT_EQ(view.GetText("PopulationInfo"), "3000");
  EXPECT_EQ(view.GetText("SecurityInfo"), "");
}

TEST_F(LoadScenarioTest, AnalyzerGetsItsFullPathAndTheBareFileName) {
  ASSERT_TRUE(Load());
  ASSERT_EQ(platform.analyzerCalls.size(), 1u);
  EXPECT_EQ(platform.analyzerCalls[0].first, kDir + "analyzer.exe");
  EXPECT_EQ(platform.analyzerCalls[0].second, "Region Nord.scn");
  // No copy of the scenario was made under a blank-free name.
  EXPECT_EQ(platform.files.count(kDir + "RegionNord.scn"), 0u);
}

TEST_F(LoadScenarioTest, EachMissingCompanionFileHasItsBox) {
  const std::pair<std::string, std::string> cases[] = {
      {"Region Nord.scn",
       "Es konnte keine Szenariodatei gefunden werden!(Region Nord.scn). Das Szenario ist so "
       "nicht lauffähig!"},
      {"Region Nord_Color.dds",
       "Es konnte keine Bilddatei gefunden werden!(Region Nord_Color.dds). Das Szenario ist so "
       "nicht einwandfrei lauffähig!"},
      {"Region Nord.xml",
       "Es konnte keine Textdatei gefunden werden!(Region Nord.xml). Das Szenario ist so nicht "
       "einwandfrei  lauffähig!"},
  };
  for (const auto& [file, message] : cases) {
    Restart();
    platform.files.erase(kDir + file);
    EXPECT_FALSE(Load()) << file;
    ASSERT_EQ(platform.messages.size(), 1u) << file;
    EXPECT_EQ(platform.messages[0].kind, MessageKind::FileError);
    EXPECT_EQ(platform.messages[0].text, message);
    EXPECT_TRUE(platform.analyzerCalls.empty());
  }
}

TEST_F(LoadScenarioTest, MissingScriptStillLoads) {
  platform.files.erase(kDir + "Region Nord.cs");
  ASSERT_TRUE(Load());
  EXPECT_TRUE(state.scriptLines.empty());
  EXPECT_EQ(view.GetText("MilitaryRequestsInfo"), "-*-");
  EXPECT_EQ(view.GetText("MilitaryInvasionsInfo"), "-*-");
  EXPECT_EQ(view.GetText("NatureEventsInfo"), "-*-");
  EXPECT_EQ(view.GetText("WagePlebejerInfo"), "Nein");
  EXPECT_EQ(view.GetText("WageEquitesInfo"), "Nein");
}

TEST_F(LoadScenarioTest, AnalyzerErrorOutputMeansADamagedScenario) {
  platform.analyzerRun.errors = {"Error: Chunk length exceeds file (4711)"};
  EXPECT_FALSE(Load());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].kind, MessageKind::FileError);
  EXPECT_EQ(platform.messages[0].text,
            "Die Szenariodatei ist beschädigt!(Region Nord.scn). Der Lesevorgang wird "
            "abgebrochen!");
  EXPECT_EQ(state.reportLines.size(), 8u);
  EXPECT_EQ(view.GetText("MapSizeInfo"), "MapSizeInfo");  // the summary is not filled

  // A run the lister had to end, with nothing on standard error: the same.
  platform.messages.clear();
  platform.analyzerRun.errors.clear();
  platform.analyzerRun.cutOff = true;
  EXPECT_FALSE(Load());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].kind, MessageKind::FileError);
  EXPECT_EQ(platform.messages[0].text.rfind("Die Szenariodatei ist beschädigt!", 0), 0u);
}

TEST_F(LoadScenarioTest, FailuresShowTheirRealCause) {
  platform.analyzerRun.started = false;
  platform.analyzerRun.failure = "Das System kann die angegebene Datei nicht finden.";
  EXPECT_FALSE(Load());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].kind, MessageKind::SystemError);
  EXPECT_NE(platform.messages[0].text.find("analyzer.exe"), std::string::npos);
  EXPECT_NE(platform.messages[0].text.find(platform.analyzerRun.failure), std::string::npos);

  for (const std::string file : {"Region Nord_Color.dds", "Region Nord.cs", "Region Nord.xml"}) {
    Restart();
    platform.unreadable = {kDir + file};
    EXPECT_FALSE(Load()) << file;
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, MessageKind::SystemError);
    EXPECT_EQ(platform.messages[0].text, "Der Prozess kann nicht auf die Datei zugreifen.");
  }
}

TEST_F(LoadScenarioTest, PicturesThatCannotBeDecodedSayWhy) {
  const std::pair<std::vector<std::uint8_t>, std::string> cases[] = {
      {DdsFile(8, 8, Dxt1Block(0, 0, 0)),
       "Die Bilddatei endet vor dem Ende der Bilddaten (32 Bytes erwartet, 8 vorhanden)."},
      {std::vector<std::uint8_t>(100, 0),
       "Die Bilddatei ist zu kurz für den Kopf eines DDS-Bildes (100 Bytes)."},
      {DdsFile(4, 4, Dxt1Block(0, 0, 0),
               "D\x01\xFF"
               "5"),
       "Die Bilddatei ist nicht DXT1-komprimiert (Format \"D??5\")."},
      {DdsFile(20000, 4, {}), "Die Bildgröße 20000 x 4 ist unzulässig (höchstens 16384 x 16384)."},
  };
  for (const auto& [picture, message] : cases) {
    Restart();
    platform.files[kDir + "Region Nord_Color.dds"] = Bytes(picture);
    EXPECT_FALSE(Load());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, MessageKind::SystemError);
    EXPECT_EQ(platform.messages[0].text, message);
    EXPECT_TRUE(platform.analyzerCalls.empty());
    EXPECT_EQ(view["ScnPicture"].picture, "MAPPLACEHOLDER");
  }
}

TEST_F(LoadScenarioTest, ReportLinesAScenarioLacksShowNoStaleValues) {
  ASSERT_TRUE(Load());
  AddScenario("Ostia");
  platform.analyzerRun.output = {"Information for file: Ostia.scn", "", "Open play scenario"};
  Select("Ostia.scn");
  ASSERT_TRUE(Load());
  EXPECT_EQ(view.GetText("ScnStatusInfo"), "Original Szenario");
  EXPECT_EQ(view.GetText("MapSizeInfo"), "unbekannt");
  EXPECT_EQ(view.GetText("MapLocationInfo"), "unbekannt");
  EXPECT_EQ(view.GetText("MapLocationInfo2"), "unbekannt");
  EXPECT_EQ(view.GetText("CitiesCountInfo"), "-*-");
  EXPECT_EQ(state.cityCount, 0);
  EXPECT_EQ(view.GetText("ZielInfo"), "offenes Spiel");
  EXPECT_EQ(view.GetText("CultureInfo"), "-*-");
}

TEST_F(LoadScenarioTest, ReportWordsInTheFileNameChangeNothing) {
  AddScenario("Open play Map size 512");
  platform.analyzerRun.output = {"Information for file: Open play Map size 512.scn", "",
                                 "Number of goals: 2"};
  Select("Open play Map size 512.scn");
  ASSERT_TRUE(Load());
  EXPECT_EQ(view.GetText("ZielInfo"), "Spielziele");
  EXPECT_EQ(view.GetText("MapSizeInfo"), "unbekannt");
  EXPECT_EQ(state.reportLines.size(), 2u);
}

TEST_F(LoadScenarioTest, ReportWithoutNumberEndsTheLoadWithAConversionError) {
  platform.analyzerRun.output = {"Number of cities: many"};
  EXPECT_THROW(Load(), ConversionError);
}

TEST(ClearScenarioView, LeavesNothingOfTheLastScenario) {
  RecordingView view;
  for (const char* label : {"MapSizeInfo", "ZielNoteInfo", "ScnStatusInfo", "TradeRequestsInfo",
                            "MapLocationInfo2", "CityType", "TradeRouteStatus", "REQText",
                            "REQWareName", "SellWare2Name", "BuyWare3Count", "Story"})
    view.SetText(label, "alt");
  view.SetText("ZielInfo", "offenes Spiel");
  view.SetTextColor("ZielInfo", kMaroon);
  view.AddListItem("CityList", "Roma");
  view.AddListItem("REQList", "1");
  view.ShowBitmap("REQWarePicture", "GRAIN");
  view.ShowBitmap("BuyWare1Picture", "WINE");
  view.ShowPicture("ScnPicture", RgbPicture{4, 4, {}});
  view.CreateLabel("PGRessourcen", "GrainLabel", "Getreide", Rect{}, LabelStyle{});
  view.SetText("SCNName", "Szenario: Ostia");

  ClearScenarioView(view);

  for (const char* label : {"MapSizeInfo", "ZielNoteInfo", "ScnStatusInfo", "TradeRequestsInfo",
                            "MapLocationInfo", "MapLocationInfo2", "CityType", "TradeRouteType",
                            "TradeRouteStatus", "Anforderungen", "Invasionen", "WageEquitesInfo"})
    EXPECT_EQ(view.GetText(label), "-*-") << label;
  for (const char* label :
       {"REQText", "REQWareName", "REQPenalty", "SellWare2Name", "BuyWare3Count", "Story"})
    EXPECT_EQ(view.GetText(label), "") << label;
  EXPECT_TRUE(view["CityList"].items.empty());
  EXPECT_TRUE(view["REQList"].items.empty());
  EXPECT_EQ(view["REQWarePicture"].picture, "");
  EXPECT_EQ(view["BuyWare1Picture"].picture, "");
  EXPECT_EQ(view["ScnPicture"].picture, "");
  EXPECT_TRUE(view["PGRessourcen"].children.empty());
  EXPECT_EQ(view.GetText("ZielInfo"), "Szenarioziele");
  EXPECT_EQ(view["ZielInfo"].color.red, 0);
  EXPECT_EQ(view.GetText("SCNName"), "Szenario: Ostia");
}

}  // namespace
}  // namespace lister
