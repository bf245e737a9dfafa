#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using scenario_writer::Bytes;

namespace {

std::string RedirectPath() {
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  return testing::TempDir() + "analyzer_" + test->test_suite_name() + "_" + test->name() + ".out";
}

}  // namespace

std::string CaptureOutput(const std::function<void()>& action) {
  fflush(stdout);
  testing::internal::CaptureStdout();
  action();
  fflush(stdout);
  return testing::internal::GetCapturedStdout();
}

std::string CaptureSectionOutput(void (*print)(PayloadReader*), const Bytes& payload) {
  return CaptureOutput([&] {
    PayloadReader reader = MakePayloadReader(payload.data(), int32_t(payload.size()));
    print(&reader);
  });
}

std::string CaptureHandlerOutput(ChunkHandler handler, const Bytes& payload) {
  return CaptureOutput([&] { handler(payload.data(), int32_t(payload.size())); });
}

FILE* OpenBytesAsFile(const Bytes& bytes) {
  FILE* file = tmpfile();
  fwrite(bytes.data(), 1, bytes.size(), file);
  rewind(file);
  return file;
}

scenario_writer::Chunk MakeChunk(uint32_t type, const Bytes& payload) {
  scenario_writer::Chunk chunk;
  chunk.type = type;
  chunk.payload = payload;
  return chunk;
}

Bytes MakeFileOfChunks(const std::vector<scenario_writer::Chunk>& chunks) {
  scenario_writer::ScenarioFile file;
  file.title = "Test";
  file.chunks = chunks;
  return scenario_writer::MakeScenarioFile(file);
}

void RedirectOutputToFile() { freopen(RedirectPath().c_str(), "w", stdout); }

std::string ReadRedirectedOutput() {
  std::ifstream in(RedirectPath(), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string FatalLine(const std::string& message, long long position) {
  return "^Error: " + message + " \\(" + std::to_string(position) + "\\)\n$";
}
