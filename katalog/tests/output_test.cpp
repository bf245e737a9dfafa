// Writing the output folder: the catalogue takes its place whole or not at
// all, an older catalogue stays until then, a folder that holds anything
// else is never touched, and the number of threads changes no byte.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

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

// Every file below the folder with its bytes.
std::map<std::string, std::string> Files(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file())
      files[fs::relative(entry.path(), folder).string()] = ReadBytes(entry.path());
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
    options.makeTexts = [] { return std::make_unique<PugixmlTexts>(); };
    return WriteCatalogue(options);
  }

  // Nothing but the named entries in the work folder: no new or old folder left beside.
  void ExpectOnly(std::set<std::string> names) {
    std::set<std::string> found;
    for (const auto& entry : fs::directory_iterator(work_)) found.insert(entry.path().filename());
    EXPECT_EQ(found, names);
  }

  fs::path work_;
};

TEST_F(OutputFolderTest, ANewCatalogueReplacesTheOldOneWhole) {
  const fs::path out = work_ / "katalog";
  ASSERT_TRUE(Write(out).written);
  fs::remove(out / "szenarien.json");
  std::ofstream(out / "szenarien.json") << "{}";
  std::ofstream(out / "alt.txt") << "vom letzten Mal";
  const CatalogueResult result = Write(out);
  ASSERT_TRUE(result.written) << result.error;
  EXPECT_FALSE(fs::exists(out / "alt.txt"));
  EXPECT_EQ(result.scenarios, 4);
  EXPECT_EQ(result.page, (out / "index.html").string());
  EXPECT_GT(result.outputBytes, ReadBytes(out / "index.html").size());
  ExpectOnly({"katalog"});
}

TEST_F(OutputFolderTest, TheOldCatalogueStaysWhenWritingFails) {
  const fs::path out = work_ / "katalog";
  ASSERT_TRUE(Write(out).written);
  const auto before = Files(out);
  // Files may grow to 64 kB only: the page, with its fonts, cannot be written.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit;
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit small{64 * 1024, limit.rlim_max};
  setrlimit(RLIMIT_FSIZE, &small);
  const CatalogueResult result = Write(out);
  setrlimit(RLIMIT_FSIZE, &limit);
  EXPECT_FALSE(result.written);
  EXPECT_EQ(result.error, german::FillIn(german::kOutputUnwritable, {out.string()}));
  EXPECT_EQ(Files(out), before);
  ExpectOnly({"katalog"});
}

TEST_F(OutputFolderTest, AFolderOfSomethingElseIsNeverTouched) {
  const fs::path out = work_ / "Briefe";
  fs::create_directories(out);
  std::ofstream(out / "an Mutter.txt") << "Liebe Mutter";
  const CatalogueResult result = Write(out);
  EXPECT_FALSE(result.written);
  EXPECT_EQ(result.error, german::FillIn(german::kOutputNotACatalogue, {out.string()}));
  EXPECT_EQ(Files(out).size(), 1u);
  std::ofstream(work_ / "Datei") << "x";
  EXPECT_EQ(Write(work_ / "Datei").error,
            german::FillIn(german::kOutputNotAFolder, {(work_ / "Datei").string()}));
  ExpectOnly({"Briefe", "Datei"});
  // An empty folder holds nothing to lose.
  fs::create_directories(work_ / "leer");
  EXPECT_TRUE(Write(work_ / "leer").written);
}

TEST_F(OutputFolderTest, UnreadableFolderAndUnwritableOutput) {
  CatalogueResult result = Write(work_ / "katalog", 2, (work_ / "gibt es nicht").string());
  EXPECT_FALSE(result.written);
  EXPECT_EQ(result.error,
            german::FillIn(german::kFolderUnreadable, {(work_ / "gibt es nicht").string()}));
  std::ofstream(work_ / "Datei") << "x";
  result = Write(work_ / "Datei" / "katalog");
  EXPECT_FALSE(result.written);
  EXPECT_EQ(result.error,
            german::FillIn(german::kOutputUnwritable, {(work_ / "Datei" / "katalog").string()}));
  ExpectOnly({"Datei"});
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
  EXPECT_EQ(ReadBytes(work_ / "katalog" / "szenarien.json"),
            "{\"format\":\"szenarienkatalog\",\"version\":1,\"scenarios\":[]}\n");
}

}  // namespace
}  // namespace katalog
