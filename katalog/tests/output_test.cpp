// Writing the output folder: the catalogue owns only what its record names,
// never follows a link, refuses folders that are no catalogue, leaves the old
// catalogue as it was when writing fails, reads only regular files of the
// scenario folder, and the number of threads changes no byte.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "catalogue_folder.h"
#include "catalogue_platform.h"
#include "katalog_texts.h"
#include "pugixml_texts.h"
#include "write_catalogue.h"

namespace katalog {
namespace {

namespace fs = std::filesystem;

const std::string kSamples = std::string(VALDORUM_SOURCE_DIR) + "/samples/Data/Scenarios";

std::string ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Every file and link below the folder, with its bytes (a short text as it
// stands, a longer one by its size and digest) or its target; links are not followed.
std::map<std::string, std::string> Files(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator();
       ++it) {
    const std::string name = it->path().lexically_relative(folder).string();
    if (it->is_symlink()) {
      files[name] = "-> " + fs::read_symlink(it->path()).string();
    } else if (it->is_regular_file()) {
      const std::string bytes = ReadBytes(it->path());
      files[name] = bytes.size() < 40 ? bytes
                                      : std::to_string(bytes.size()) + " bytes, " +
                                            std::to_string(std::hash<std::string>()(bytes));
    }
  }
  return files;
}

class OutputFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    work_ =
        fs::path(::testing::TempDir()) /
        ("katalog-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(work_);
    fs::create_directories(work_);
  }

  CatalogueResult Write(const fs::path& out, int jobs = 2, const std::string& folder = kSamples) {
    CatalogueOptions options;
    options.scenarioFolder = folder;
    options.outputFolder = out.string();
    options.jobs = jobs;
    options.makeTexts = [] { return std::make_unique<PugixmlTexts>(ReadTextFileBytes); };
    return WriteCatalogue(options);
  }

  // Nothing but the named entries in the folder.
  static void ExpectOnly(const fs::path& folder, std::set<std::string> names) {
    std::set<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder)) found.insert(entry.path().filename());
    EXPECT_EQ(found, names);
  }

  fs::path work_;
};

// The player's own file, links into other folders and a link where the
// catalogue's goods folder was: the rebuild writes what a fresh build writes,
// leaves the rest as it was, follows no link, and names what it left.
TEST_F(OutputFolderTest, ARebuildReplacesOnlyWhatTheRecordNames) {
  const fs::path out = work_ / "katalog", fresh = work_ / "frisch", victim = work_ / "Briefe";
  ASSERT_TRUE(Write(out).written);
  ASSERT_TRUE(Write(fresh).written);
  fs::create_directories(victim / "leer");
  WriteBytes(victim / "an Mutter.txt", "Liebe Mutter");
  WriteBytes(out / "gespielt.txt", "Tiberis, Legatus");
  fs::create_directory_symlink(victim, out / "Verweis");
  fs::create_directory_symlink(victim, out / "karten" / "Verweis");
  fs::remove_all(out / "bilder" / "waren");
  fs::create_directory_symlink(victim / "leer", out / "bilder" / "waren");
  fs::remove(out / "karten" / fs::directory_iterator(out / "karten")->path().filename());

  const CatalogueResult result = Write(out);
  ASSERT_TRUE(result.written) << result.error;
  EXPECT_EQ(result.scenarios, 4);
  EXPECT_EQ(result.page, (out / "index.html").string());
  EXPECT_EQ(result.notes, std::vector<std::string>{german::FillIn(
                              german::kForeignKept, {"Verweis, gespielt.txt, karten/Verweis"})});
  std::map<std::string, std::string> expected = Files(fresh);
  expected["gespielt.txt"] = "Tiberis, Legatus";
  expected["Verweis"] = "-> " + victim.string();
  expected["karten/Verweis"] = "-> " + victim.string();
  EXPECT_EQ(Files(out), expected);
  EXPECT_EQ(Files(victim), (std::map<std::string, std::string>{{"an Mutter.txt", "Liebe Mutter"}}));
  EXPECT_TRUE(fs::is_directory(victim / "leer"));
  ExpectOnly(work_, {"katalog", "frisch", "Briefe"});
}

TEST_F(OutputFolderTest, AFolderThatIsNoCatalogueIsNeverTouched) {
  const std::string damaged = german::kRecordDamaged, notCatalogue = german::kOutputNotACatalogue;
  const struct {
    const char* what;
    std::function<void(const fs::path&)> make;
    std::string error;
  } kCases[] = {
      {"a folder of letters", [](const fs::path& out) { WriteBytes(out / "brief.txt", "x"); },
       notCatalogue},
      {"data of a catalogue but no record",
       [](const fs::path& out) { WriteBytes(out / "szenarien.json", "{}"); }, notCatalogue},
      {"a record that is no JSON",
       [](const fs::path& out) { WriteBytes(out / "katalog-inhalt.json", "{\"format\""); },
       damaged},
      {"a record naming a file outside",
       [](const fs::path& out) {
         WriteBytes(out / "katalog-inhalt.json",
                    "{\"format\":\"szenarienkatalog-inhalt\",\"version\":1,\"program\":\"\","
                    "\"folders\":[],\"files\":[\"karten/../../Briefe\"],\"scenarios\":[]}");
       },
       damaged},
      {"a record that is a folder",
       [](const fs::path& out) { fs::create_directory(out / "katalog-inhalt.json"); }, damaged},
  };
  for (const auto& c : kCases) {
    const fs::path out = work_ / c.what;
    fs::create_directories(out);
    c.make(out);
    const auto before = Files(out);
    const CatalogueResult result = Write(out);
    EXPECT_FALSE(result.written) << c.what;
    EXPECT_EQ(result.error, german::FillIn(c.error.c_str(), {out.string()})) << c.what;
    EXPECT_EQ(Files(out), before) << c.what;
    ExpectOnly(out, {fs::directory_iterator(out)->path().filename()});
  }
  WriteBytes(work_ / "Datei", "x");
  EXPECT_EQ(Write(work_ / "Datei").error,
            german::FillIn(german::kOutputNotAFolder, {(work_ / "Datei").string()}));
  fs::create_directory_symlink(work_ / "Datei", work_ / "Verweis");
  EXPECT_EQ(Write(work_ / "Verweis").error,
            german::FillIn(german::kOutputIsLink, {(work_ / "Verweis").string()}));
  // An empty folder holds nothing to lose.
  fs::create_directories(work_ / "leer");
  EXPECT_TRUE(Write(work_ / "leer").written);
}

// A catalogue of the first format had no record: its data names its files,
// and only those are replaced.
TEST_F(OutputFolderTest, ACatalogueOfTheFirstFormatIsTakenOver) {
  const fs::path out = work_ / "katalog";
  fs::create_directories(out / "karten");
  fs::create_directories(out / "bilder" / "waren");
  WriteBytes(out / "szenarien.json",
             "{\"format\":\"szenarienkatalog\",\"version\":1,\"scenarios\":[{\"id\":\"A\","
             "\"thumbnail\":{\"path\":\"karten/0001-klein.png\",\"width\":1,\"height\":1},"
             "\"picture\":null}]}\n");
  for (const char* file : {"index.html", "karten/0001-klein.png", "bilder/waren/GRAIN.png",
                           "karten/eigenes.png", "notizen.txt"})
    WriteBytes(out / file, "alt");
  const CatalogueResult result = Write(out);
  ASSERT_TRUE(result.written) << result.error;
  EXPECT_FALSE(fs::exists(out / "karten" / "0001-klein.png"));
  EXPECT_NE(ReadBytes(out / "bilder" / "waren" / "GRAIN.png"), "alt");
  EXPECT_EQ(ReadBytes(out / "karten" / "eigenes.png"), "alt");
  EXPECT_EQ(ReadBytes(out / "notizen.txt"), "alt");
}

TEST_F(OutputFolderTest, TheOldCatalogueStaysWhenWritingFails) {
  const fs::path out = work_ / "katalog";
  ASSERT_TRUE(Write(out).written);
  const auto before = Files(out);
  // Files may grow to 40 kB only: the page, with its style and script, cannot be written.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit;
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit small{40 * 1024, limit.rlim_max};
  setrlimit(RLIMIT_FSIZE, &small);
  const CatalogueResult result = Write(out);
  setrlimit(RLIMIT_FSIZE, &limit);
  EXPECT_FALSE(result.written);
  EXPECT_EQ(result.error, german::FillIn(german::kOutputUnwritableBecause,
                                         {out.string(), german::kReasonTooLarge}));
  EXPECT_EQ(Files(out), before);
  ExpectOnly(work_, {"katalog"});
}

// Working folders that ended runs left behind go; one of a run that still
// goes on stays.
TEST_F(OutputFolderTest, WorkingFoldersOfEndedRunsGo) {
  const fs::path out = work_ / "katalog";
  ASSERT_TRUE(Write(out).written);
  const pid_t ended = fork();
  if (ended == 0) _exit(0);
  waitpid(ended, nullptr, 0);
  const fs::path left = out / WorkFolderName(ended), running = out / WorkFolderName(getppid());
  fs::create_directories(left / "bilder" / "waren");
  fs::create_directories(running);
  for (const char* file : {"index.html", "bilder/banner.png", "bilder/waren/GRAIN.png"})
    WriteBytes(left / file, "halb");
  const CatalogueResult result = Write(out);
  ASSERT_TRUE(result.written) << result.error;
  EXPECT_FALSE(fs::exists(left));
  EXPECT_TRUE(fs::exists(running));
  EXPECT_TRUE(result.notes.empty());
}

// Each failure says why, as the system gave it.
TEST_F(OutputFolderTest, UnreadableFolderAndUnwritableOutputSayWhy) {
  WriteBytes(work_ / "Datei", "x");
  fs::create_directories(work_ / "nur lesbar");
  fs::permissions(work_ / "nur lesbar", fs::perms::owner_read | fs::perms::owner_exec);
  const bool rootIgnoresPermissions = geteuid() == 0;
  const struct {
    fs::path folder, out;
    std::string error;
  } kCases[] = {
      {work_ / "gibt es nicht", work_ / "katalog",
       german::FillIn(german::kFolderUnreadableBecause,
                      {(work_ / "gibt es nicht").string(), german::kReasonMissing})},
      {work_ / "Datei", work_ / "katalog",
       german::FillIn(german::kFolderUnreadableBecause,
                      {(work_ / "Datei").string(), german::kReasonIsNoFolder})},
      {kSamples, work_ / "Datei" / "katalog",
       german::FillIn(german::kOutputUnwritableBecause,
                      {(work_ / "Datei" / "katalog").string(), german::kReasonNotAFolder})},
      {kSamples, work_ / "nur lesbar" / "katalog",
       german::FillIn(german::kOutputUnwritableBecause,
                      {(work_ / "nur lesbar" / "katalog").string(), german::kReasonNoPermission})},
  };
  for (const auto& c : kCases) {
    if (rootIgnoresPermissions && c.out.parent_path().filename() == "nur lesbar") continue;
    const CatalogueResult result = Write(c.out, 2, c.folder.string());
    EXPECT_FALSE(result.written);
    EXPECT_EQ(result.error, c.error);
  }
  ExpectOnly(work_, {"Datei", "nur lesbar"});
}

// A pipe where a file belongs is never waited for, and a text file nested
// deeper than any stack is read: the scenarios get the lister's messages, or
// their texts.
TEST_F(OutputFolderTest, OnlyRegularFilesAreRead) {
  const fs::path folder = work_ / "Szenarien";
  fs::create_directories(folder);
  for (const char* base : {"Rohrbild", "Rohrtext", "Tief"})
    for (const char* suffix : {".scn", "_Color.dds", ".xml", ".cs"})
      fs::copy_file(kSamples + "/Tiberis" + suffix, folder / (std::string(base) + suffix));
  for (const char* file : {"Rohrbild_Color.dds", "Rohrtext.xml"}) {
    fs::remove(folder / file);
    ASSERT_EQ(mkfifo((folder / file).c_str(), 0644), 0);
  }
  std::string open, close;
  for (int i = 0; i < 130000; ++i) open += "<b>", close += "</b>";
  WriteBytes(folder / "Tief.xml",
             "<Strings>" + open + "<String id=\"OVERVIEW\">Tief</String>" + close + "</Strings>");
  const CatalogueResult result = Write(work_ / "katalog", 2, folder.string());
  ASSERT_TRUE(result.written) << result.error;
  EXPECT_EQ(
      result.problems,
      (std::vector<std::string>{
          "Rohrbild.scn: Dateifehler: " +
              lister::german::FillIn(lister::german::kPictureFileMissing, {"Rohrbild_Color.dds"}),
          "Rohrtext.scn: Dateifehler: " +
              lister::german::FillIn(lister::german::kTextFileMissing, {"Rohrtext.xml"})}));
  EXPECT_NE(ReadBytes(work_ / "katalog" / "szenarien.json").find("\"story\":\"Tief\""),
            std::string::npos);
}

TEST_F(OutputFolderTest, TheThreadsChangeNoByte) {
  ASSERT_TRUE(Write(work_ / "eins", 1).written);
  ASSERT_TRUE(Write(work_ / "vier", 4).written);
  EXPECT_EQ(Files(work_ / "eins"), Files(work_ / "vier"));
}

TEST_F(OutputFolderTest, AnEmptyFolderGivesAnEmptyCatalogue) {
  fs::create_directories(work_ / "Szenarien");
  const CatalogueResult result = Write(work_ / "katalog", 2, (work_ / "Szenarien").string());
  ASSERT_TRUE(result.written);
  const std::string data = ReadBytes(work_ / "katalog" / "szenarien.json");
  EXPECT_EQ(data.rfind("{\"format\":\"szenarienkatalog\",\"version\":2,\"captions\":{", 0), 0u);
  EXPECT_EQ(data.substr(data.size() - 16), "\"scenarios\":[]}\n");
}

}  // namespace
}  // namespace katalog
