#include "test_support.h"

#include "fatal.h"

#include <fstream>
#include <sstream>

using scenario_writer::Bytes;

namespace {

std::string RunIntoText(const std::function<void(ReportWriter*)>& write) {
  std::string text;
  ReportWriter out;
  StartReport(&out, MemoryReportSink(&text));
  std::string fault = FaultOf([&] { write(&out); });
  FlushReport(&out);
  return fault.empty() ? text : text + "Error: " + fault + "\n";
}

}  // namespace

std::string SectionReport(void (*print)(PayloadReader*, ReportWriter*), const Bytes& payload) {
  return RunIntoText([&](ReportWriter* out) {
    PayloadReader reader = MakePayloadReader(payload.data(), int32_t(payload.size()));
    print(&reader, out);
  });
}

std::string HandlerReport(ChunkHandler handler, const Bytes& payload) {
  return RunIntoText([&](ReportWriter* out) {
    int32_t length = int32_t(payload.size());
    handler(ChunkPayload{payload.data(), length, length}, out);
  });
}

std::string FaultOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const ScenarioFault& fault) {
    return std::string(fault.message) + " (" + std::to_string(fault.position) + ")";
  }
  return "";
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

std::string SourcePath(const std::string& relative) {
  return std::string(ANALYZER_SOURCE_ROOT) + "/" + relative;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}
