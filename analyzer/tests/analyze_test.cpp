// The library entry point against the command line's golden output.
#include "analyze.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <sstream>
#include <thread>

using namespace scenario_writer;

namespace {

// A golden case that runs the analyzer on one scenario file.
struct GoldenCase {
  std::string name;
  std::string folder;
  std::string fileName;
};

std::vector<GoldenCase> ScenarioCases() {
  std::vector<GoldenCase> cases;
  std::istringstream table(ReadWholeFile(SourcePath("analyzer/tests/golden/cases.tsv")));
  std::string line;
  while (std::getline(table, line)) {
    std::vector<std::string> fields;
    std::istringstream columns(line);
    for (std::string field; std::getline(columns, field, '\t');) fields.push_back(field);
    if (fields.size() == 4 && fields[2].find('/') != std::string::npos)
      cases.push_back({fields[0], fields[2], fields[3]});
  }
  return cases;
}

// What the command line prints: the report, then the messages and the error line.
struct Printed {
  std::string out;
  std::string err;
};

Printed Expected(const GoldenCase& golden) {
  std::string stem = SourcePath("analyzer/tests/golden/" + golden.name);
  return {ReadWholeFile(stem + ".out"), ReadWholeFile(stem + ".err")};
}

Printed Analyze(ScenarioInput input, const std::string& name) {
  Printed printed;
  AnalysisStatus status = AnalyzeScenario(input, name.c_str(), MemoryReportSink(&printed.out),
                                          MemoryReportSink(&printed.err));
  if (!status.ok) printed.err += FormatFatalLine(status);
  return printed;
}

Printed AnalyzeFile(const GoldenCase& golden) {
  FILE* file = OpenScenarioFile(SourcePath(golden.folder + "/" + golden.fileName).c_str());
  if (file == nullptr) return {"cannot open " + golden.fileName, ""};
  Printed printed = Analyze(ScenarioInputFromFile(file), golden.fileName);
  fclose(file);
  return printed;
}

Printed AnalyzeBytes(const GoldenCase& golden) {
  std::string bytes = ReadWholeFile(SourcePath(golden.folder + "/" + golden.fileName));
  return Analyze(
      ScenarioInputFromBytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()),
      golden.fileName);
}

void ExpectGolden(const GoldenCase& golden, const Printed& printed) {
  Printed expected = Expected(golden);
  EXPECT_EQ(printed.out, expected.out) << golden.name;
  EXPECT_EQ(printed.err, expected.err) << golden.name;
}

GoldenCase FindCase(const std::string& name) {
  for (const GoldenCase& golden : ScenarioCases())
    if (golden.name == name) return golden;
  ADD_FAILURE() << "no golden case " << name;
  return {};
}

}  // namespace

TEST(Analyze, PrintsWhatTheCommandLinePrintsFromAFileOrFromMemory) {
  std::vector<GoldenCase> cases = ScenarioCases();
  ASSERT_GE(cases.size(), 15u);
  for (const GoldenCase& golden : cases) {
    ExpectGolden(golden, AnalyzeFile(golden));
    ExpectGolden(golden, AnalyzeBytes(golden));
  }
}

TEST(Analyze, ScenariosInOneProcessDoNotAffectEachOther) {
  // A damaged one among them: its error must not reach the next.
  GoldenCase first = FindCase("tiberis");
  GoldenCase second = FindCase("legatus");
  GoldenCase damaged = FindCase("truncated_payload");
  for (const auto& order : {std::vector<GoldenCase>{first, damaged, second},
                            std::vector<GoldenCase>{second, first, damaged}})
    for (const GoldenCase& golden : order) ExpectGolden(golden, AnalyzeFile(golden));

  std::vector<Printed> results(4);
  const GoldenCase* inThread[4] = {&first, &second, &damaged, &first};
  std::vector<std::thread> threads;
  for (int i = 0; i < 4; ++i)
    threads.emplace_back([&, i] {
      for (int round = 0; round < 20; ++round) results[i] = AnalyzeFile(*inThread[i]);
    });
  for (std::thread& thread : threads) thread.join();
  for (int i = 0; i < 4; ++i) ExpectGolden(*inThread[i], results[i]);
}

TEST(Analyze, AReportLongerThanItsBufferArrivesWhole) {
  ScenarioState state;
  state.hasEmpire = true;
  state.regionValues = {0, 0};
  std::string expected = "Information for file: many.scn\n\nEmpire Level\nNumber of cities: 3000\n";
  for (int i = 0; i < 3000; ++i) {
    City city{};
    city.type = 2;
    city.name = "Home";
    state.cities.push_back(city);
    expected += "City " + std::to_string(i) + ":\n  Home city\n";
  }
  expected += "\nStart date: 0 AD, January\n\nNo orders or requests\n\n";
  Bytes file = MakeFileOfChunks({MakeChunk(7, MakeScenarioPayload(state))});
  Printed printed = Analyze(ScenarioInputFromBytes(file.data(), file.size()), "many.scn");
  EXPECT_EQ(printed.out, expected);
  EXPECT_EQ(printed.err, "");
}
