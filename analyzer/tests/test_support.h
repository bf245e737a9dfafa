// Helpers shared by the analyzer's unit tests.
#pragma once

#include "container.h"
#include "payload_reader.h"
#include "scenario_writer.h"

#include <functional>
#include <string>
#include <vector>

// What the action prints to standard output.
std::string CaptureOutput(const std::function<void()>& action);
std::string CaptureSectionOutput(void (*print)(PayloadReader*),
                                 const scenario_writer::Bytes& payload);
std::string CaptureHandlerOutput(ChunkHandler handler, const scenario_writer::Bytes& payload);

// A temporary file holding the bytes, positioned at its start.
FILE* OpenBytesAsFile(const scenario_writer::Bytes& bytes);

scenario_writer::Chunk MakeChunk(uint32_t type, const scenario_writer::Bytes& payload);
scenario_writer::Bytes MakeFileOfChunks(const std::vector<scenario_writer::Chunk>& chunks);

// Inside a death test: sends standard output to a file that ReadRedirectedOutput
// reads back in the test afterwards.
void RedirectOutputToFile();
std::string ReadRedirectedOutput();

// The pattern of the one line that a fatal error prints on standard error.
std::string FatalLine(const std::string& message, long long position);
