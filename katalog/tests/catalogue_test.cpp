// The catalogue of the test folder (make_test_folder.py) against the lister's
// window: every text of szenarien.json is the one a recording view holds
// after the lister's load of that scenario, with the analyzer run as the
// program the lister starts, and every damaged scenario has its row.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <stb_image.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "catalogue_data.h"
#include "embedded_resources.h"
#include "json_reader.h"
#include "map_picture.h"
#include "pages.h"
#include "posix_file_reader.h"
#include "pugixml_texts.h"
#include "recording_view.h"
#include "scenario_loader.h"
#include "text_lines.h"
#include "text_util.h"
#include "write_catalogue.h"

extern char** environ;

namespace katalog {
namespace {

const std::string kFolder = KATALOG_TEST_FOLDER;
const std::string kInjection = "<img src=x onerror=alert(1)>";

std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// The lister's loader platform on Linux, kept apart from the catalogue's own:
// the analyzer runs as a process, as the lister starts it.
class ProcessPlatform : public lister::Platform {
 public:
  bool FileExists(const std::string& path) override {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
  }
  std::unique_ptr<lister::FileReader> OpenForReading(const std::string& path,
                                                     std::string& error) override {
    return lister::OpenPosixFile(path, error);
  }
  bool ReadTextLines(const std::string& path, std::vector<std::string>& lines,
                     std::string&) override {
    lines = DecodeTextLines(ReadBytes(path));
    return true;
  }
  lister::AnalyzerRun RunAnalyzer(const std::string& analyzerPath,
                                  const std::string& scenarioFile) override {
    const std::string folder = analyzerPath.substr(0, analyzerPath.size() - 12);
    const std::string out = ::testing::TempDir() + "analyzer.out";
    const std::string err = ::testing::TempDir() + "analyzer.err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::string program = ANALYZER_PROGRAM, scenario = folder + scenarioFile;
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(scenario.c_str()),
                    nullptr};
    pid_t child = 0;
    lister::AnalyzerRun run;
    run.started = posix_spawn(&child, argv[0], &actions, nullptr, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (run.started) waitpid(child, &status, 0);
    run.output = DecodeTextLines(ReadBytes(out));
    run.errors = DecodeTextLines(ReadBytes(err));
    return run;
  }
  void ShowMessage(lister::MessageKind kind, const std::string& text) override {
    if (boxes.empty())
      boxes.push_back({kind == lister::MessageKind::FileError ? "Dateifehler" : "Fehler", text});
  }

  std::vector<Damage> boxes;
};

std::string Colour(lister::Rgb c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red, c.green, c.blue);
  return text;
}

// A picture control as the catalogue names it: null, or a bitmap the lister carries.
void ExpectPicture(const JsonValue& picture, const std::string& shown, const std::string& where) {
  const std::string name = lister::UpperAscii(shown);
  if (shown.empty() || FindGoodsPicture(name) == nullptr)
    EXPECT_TRUE(picture.IsNull()) << where;
  else
    EXPECT_EQ(picture.text, name) << where;
}

void ExpectSlots(const JsonValue& slots, const lister::RecordingView& view, const char* side,
                 const std::string& where) {
  std::size_t next = 0;
  for (int slot = 1; slot <= 3; ++slot) {
    const std::string prefix = side + std::to_string(slot);
    const std::string name = view.GetText(prefix + "Name"), count = view.GetText(prefix + "Count"),
                      picture = view[prefix + "Picture"].picture;
    if (name.empty() && count.empty() && picture.empty()) continue;
    ASSERT_LT(next, slots.items.size()) << where;
    const JsonValue& read = slots[next++];
    EXPECT_EQ(read["name"].text, name) << where;
    EXPECT_EQ(read["count"].text, count) << where;
    ExpectPicture(read["picture"], picture, where + " " + prefix);
  }
  EXPECT_EQ(next, slots.items.size()) << where;
}

void ExpectRichLines(const JsonValue& lines, const lister::RecordingView& view, const char* pane) {
  const std::vector<lister::RichLine>& shown = view[pane].rich;
  ASSERT_EQ(lines.items.size(), shown.size()) << pane;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    EXPECT_EQ(lines[i]["text"].text, shown[i].text) << pane << i;
    EXPECT_EQ(lines[i]["heading"].boolean, shown[i].heading) << pane << i;
    EXPECT_EQ(lines[i]["color"].IsNull() ? "" : lines[i]["color"].text,
              shown[i].heading ? Colour(shown[i].color) : "")
        << pane << i;
  }
}

void ExpectMapPicture(const JsonValue& s, const lister::RecordingView& view,
                      const std::string& out) {
  int width = 0, height = 0;
  const std::string shown = view["ScnPicture"].picture;
  if (std::sscanf(shown.c_str(), "picture %dx%d", &width, &height) != 2 || width == 0 ||
      height == 0) {
    EXPECT_TRUE(s["thumbnail"].IsNull() && s["picture"].IsNull()) << s["file"].text;
    return;
  }
  for (const auto& [key, limit] :
       {std::pair{"thumbnail", kThumbnailLimit}, std::pair{"picture", kDetailLimit}}) {
    const PictureSize size = FitWithin(width, height, limit);
    const JsonValue& picture = s[key];
    ASSERT_FALSE(picture.IsNull()) << s["file"].text << " " << key;
    EXPECT_EQ(picture["width"].number, size.width) << s["file"].text;
    EXPECT_EQ(picture["height"].number, size.height) << s["file"].text;
    int pngWidth = 0, pngHeight = 0, channels = 0;
    ASSERT_TRUE(
        stbi_info((out + "/" + picture["path"].text).c_str(), &pngWidth, &pngHeight, &channels))
        << picture["path"].text;
    EXPECT_EQ(pngWidth, size.width);
    EXPECT_EQ(pngHeight, size.height);
  }
}

// Loads the scenario as the lister does and compares the window with its entry.
void ExpectSameAsWindow(const JsonValue& s, const std::string& out) {
  const std::string file = s["file"].text;
  lister::RecordingView view;
  view.ClearList("SCNFilesList");
  view.AddListItem("SCNFilesList", file);
  view.SelectListItem("SCNFilesList", 0);
  ProcessPlatform platform;
  PugixmlTexts texts;
  lister::ScenarioState state;
  lister::PageState pages;
  std::optional<Damage> damage;
  try {
    if (lister::LoadScenario(view, platform, texts, state, kFolder))
      lister::RefreshPages(view, state, texts, pages);
    if (!platform.boxes.empty()) damage = platform.boxes.front();
  } catch (const std::exception& error) {
    damage = Damage{"Z7 Uzeror 3", std::string(error.what()) + "."};
  }
  ExpectMapPicture(s, view, out);
  if (damage) {
    EXPECT_EQ(s["damage"]["title"].text, damage->title) << file;
    EXPECT_EQ(s["damage"]["text"].text, damage->text) << file;
    EXPECT_TRUE(s["labels"].IsNull() && s["cities"].IsNull() && s["story"].IsNull()) << file;
    return;
  }
  ASSERT_TRUE(s["damage"].IsNull()) << file << ": " << s["damage"]["text"].text;
  for (const char* name : kLabelNames)
    EXPECT_EQ(s["labels"][name].text, view.GetText(name)) << name;
  EXPECT_EQ(s["labelColors"]["ZielInfo"].text, Colour(view["ZielInfo"].color));
  EXPECT_EQ(s["story"].text, view.GetText("Story"));
  ExpectRichLines(s["invasions"], view, "Invasionen");
  ExpectRichLines(s["militaryRequests"], view, "Anforderungen");

  const std::vector<lister::CreatedControl>& made = view["PGRessourcen"].children;
  const JsonValue& resources = s["resources"];
  ASSERT_EQ(made.size(), 1 + 2 * resources["goods"].items.size()) << file;
  EXPECT_EQ(resources["ResourceHeader"].text, made[0].content);
  for (std::size_t i = 0; i < resources["goods"].items.size(); ++i) {
    EXPECT_EQ(resources["goods"][i]["name"].text, made[1 + 2 * i].content);
    ExpectPicture(resources["goods"][i]["picture"], made[2 + 2 * i].content, file);
  }

  const std::vector<std::string> cities = view["CityList"].items;
  ASSERT_EQ(s["cities"].items.size(), cities.size()) << file;
  for (std::size_t i = 0; i < cities.size(); ++i) {
    view.SelectListItem("CityList", static_cast<int>(i));
    lister::RefreshCityPages(view, state, texts, pages);
    const JsonValue& city = s["cities"][i];
    const std::string where = file + " city " + std::to_string(i);
    EXPECT_EQ(city["name"].text, cities[i]) << where;
    for (const char* label : {"CityType", "TradeRouteType", "TradeRouteStatus"})
      EXPECT_EQ(city[label].text, view.GetText(label)) << where;
    ExpectSlots(city["sells"], view, "SellWare", where);
    ExpectSlots(city["buys"], view, "BuyWare", where);
  }

  const std::vector<std::string> entries =
      view["REQPanel"].visible ? view["REQList"].items : std::vector<std::string>();
  ASSERT_EQ(s["requests"].items.size(), entries.size()) << file;
  for (std::size_t k = 0; k < entries.size(); ++k) {
    view.SelectListItem("REQList", static_cast<int>(k));
    lister::ShowRequest(view, state, texts, pages);
    const JsonValue& request = s["requests"][k];
    EXPECT_EQ(request["entry"].text, entries[k]);
    for (const char* label : {"REQWareCount", "REQWareName", "REQTime", "REQComply", "REQRecurs",
                              "REQReward", "REQPenalty", "REQText"})
      EXPECT_EQ(request[label].text, view.GetText(label)) << file << " " << k << " " << label;
    ExpectPicture(request["REQWarePicture"], view["REQWarePicture"].picture, file);
  }
}

class TestFolderCatalogue : public ::testing::Test {
 protected:
  // Each test runs in a process of its own, at the same time as the others:
  // each writes a catalogue of its own, which the run takes for itself.
  static void SetUpTestSuite() {
    out_ = ::testing::TempDir() + "katalog-testordner-" + std::to_string(getpid());
    CatalogueOptions options;
    options.scenarioFolder = kFolder;
    options.outputFolder = out_;
    options.jobs = 3;
    options.makeTexts = [] { return std::make_unique<PugixmlTexts>(); };
    result_ = WriteCatalogue(options);
    json_ = ReadBytes(out_ + "/szenarien.json");
    data_ = ReadJson(json_).value_or(JsonValue());
  }

  static void TearDownTestSuite() { std::filesystem::remove_all(out_); }

  const JsonValue& Scenario(const std::string& file) {
    for (const JsonValue& s : data_["scenarios"].items)
      if (s["file"].text == file) return s;
    ADD_FAILURE() << file << " is not in the catalogue";
    static const JsonValue kNone;
    return kNone;
  }

  static inline std::string out_, json_;
  static inline CatalogueResult result_;
  static inline JsonValue data_;
};

TEST_F(TestFolderCatalogue, EveryTextIsTheWindowsText) {
  ASSERT_TRUE(result_.written) << result_.error;
  EXPECT_EQ(data_["format"].text, "szenarienkatalog");
  EXPECT_EQ(data_["version"].number, 1);
  for (const JsonValue& s : data_["scenarios"].items) {
    SCOPED_TRACE(s["file"].text);
    ExpectSameAsWindow(s, out_);
  }
}

TEST_F(TestFolderCatalogue, ListsScenariosAsTheListerDoes) {
  std::vector<std::string> files;
  for (const JsonValue& s : data_["scenarios"].items) files.push_back(s["file"].text);
  EXPECT_TRUE(std::is_sorted(files.begin(), files.end()));  // by their UTF-8 bytes
  EXPECT_EQ(static_cast<int>(files.size()), result_.scenarios);
  auto listed = [&](const std::string& file) {
    return std::find(files.begin(), files.end(), file) != files.end();
  };
  for (const char* file : {"Ägyptens Küste.scn", "Großes Ende.SCN", "Limes 10.scn", "Nova Roma.scn",
                           "Generiert 6.scn", "bad_magic.scn"})
    EXPECT_TRUE(listed(file)) << file;
  EXPECT_TRUE(listed(kInjection + ".scn"));
  EXPECT_FALSE(listed("Rex_Alba.scn"));  // the first campaign keeps it to itself
  EXPECT_FALSE(listed("Ordner.scn"));    // a folder
  EXPECT_EQ(Scenario("Großes Ende.SCN")["id"].text, "Großes Ende");
  EXPECT_EQ(Scenario("Ostia.scn")["kind"].text, "Original Szenario");
}

TEST_F(TestFolderCatalogue, DamagedScenariosGetTheirBoxAndALine) {
  const struct {
    const char* file;
    const char* title;
    const char* text;
  } kDamaged[] = {
      {"Ohne Bild.scn", "Dateifehler",
       "Es konnte keine Bilddatei gefunden werden!(Ohne Bild_Color.dds). Das Szenario ist so "
       "nicht einwandfrei lauffähig!"},
      {"Ohne Text.scn", "Dateifehler",
       "Es konnte keine Textdatei gefunden werden!(Ohne Text.xml). Das Szenario ist so nicht "
       "einwandfrei  lauffähig!"},
      {"Falsches Bild.scn", "Fehler",
       "Die Bilddatei ist nicht DXT1-komprimiert (Format \"DXT5\")."},
      {"Skriptfehler.scn", "Z7 Uzeror 3", "'kAnzahl' ist kein gültiger Ganzzahlwert."},
      {"bad_magic.scn", "Dateifehler",
       "Die Szenariodatei ist beschädigt!(bad_magic.scn). Der Lesevorgang wird abgebrochen!"},
  };
  for (const auto& damaged : kDamaged) {
    const JsonValue& s = Scenario(damaged.file);
    EXPECT_EQ(s["damage"]["title"].text, damaged.title) << damaged.file;
    EXPECT_EQ(s["damage"]["text"].text, damaged.text) << damaged.file;
    const std::string line = std::string(damaged.file) + ": " + damaged.title + ": " + damaged.text;
    EXPECT_NE(std::find(result_.problems.begin(), result_.problems.end(), line),
              result_.problems.end())
        << line;
  }
  // Damage in the analyzer's report keeps the map that was shown before.
  EXPECT_FALSE(Scenario("bad_magic.scn")["thumbnail"].IsNull());
  EXPECT_TRUE(Scenario("Ohne Skript.scn")["damage"].IsNull());
  int damaged = 0;
  for (const JsonValue& s : data_["scenarios"].items) damaged += s["damage"].IsNull() ? 0 : 1;
  EXPECT_EQ(result_.damaged, damaged);
}

TEST_F(TestFolderCatalogue, TextsStayTextsWhateverTheyHold) {
  // No "<" can end the page's script element that holds the data.
  EXPECT_EQ(json_.find('<'), std::string::npos);
  const JsonValue& injected = Scenario(kInjection + ".scn");
  EXPECT_EQ(injected["id"].text, kInjection);
  EXPECT_EQ(injected["firstLine"].text, "</script><script>window.eingeschleust = 1</script>");
  EXPECT_NE(injected["story"].text.find("{{KATALOG_JSON}}"), std::string::npos);
  // A Windows-1252 text file and a UTF-16 script read as the lister reads them.
  EXPECT_EQ(Scenario("Kodierungen.scn")["firstLine"].text, "Legatus – Grüße aus Köln");
}

}  // namespace
}  // namespace katalog
