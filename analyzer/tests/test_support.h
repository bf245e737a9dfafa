// Helpers shared by the analyzer's unit tests.
#pragma once

#include "container.h"
#include "payload_reader.h"
#include "report_writer.h"
#include "scenario_writer.h"

#include <functional>
#include <string>
#include <vector>

// What the section or handler writes to the report; a format error that ends
// it adds the line "Error: <message> (<position>)".
std::string SectionReport(void (*print)(PayloadReader*, ReportWriter*),
                          const scenario_writer::Bytes& payload);
std::string HandlerReport(ChunkHandler handler, const scenario_writer::Bytes& payload);

// The format error that ends the action, as "<message> (<position>)"; empty
// when the action completes.
std::string FaultOf(const std::function<void()>& action);

scenario_writer::Chunk MakeChunk(uint32_t type, const scenario_writer::Bytes& payload);
scenario_writer::Bytes MakeFileOfChunks(const std::vector<scenario_writer::Chunk>& chunks);

// The root of the source tree, where the samples and golden files are.
std::string SourcePath(const std::string& relative);
std::string ReadWholeFile(const std::string& path);
