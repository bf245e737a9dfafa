// Little-endian fields of the container, read from the scenario file on disk
// or in memory. A short read or a failed seek is fatal.
#pragma once

#include "analyze.h"

#include <cstddef>
#include <cstdint>

int64_t TellFile(ScenarioInput* input);
// Seeks forward from the current position; a position past the end is only
// noticed by the next read.
void SkipFileBytes(ScenarioInput* input, uint64_t count);
uint8_t ReadFileByte(ScenarioInput* input);
uint32_t ReadFileU32(ScenarioInput* input);
void SkipFileString(ScenarioInput* input);
// Reads up to count bytes and returns how many were read: fewer at the end of
// the file or on a read error.
size_t ReadFileBlock(ScenarioInput* input, unsigned char* buffer, size_t count);
// The size of the file, leaving the position where it was; -1 if the stream
// cannot tell (then no check against the size is made).
int64_t MeasureFile(ScenarioInput* input);
