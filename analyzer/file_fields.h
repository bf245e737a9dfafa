// Little-endian fields of the container, read from the file stream.
#pragma once

#include <cstdint>
#include <cstdio>

int64_t TellFile(FILE* file);
// Seeks forward from the current position; a failed seek is fatal.
void SkipFileBytes(FILE* file, uint64_t count);
uint8_t ReadFileByte(FILE* file);
// Returns the size of the file, leaving the position where it was; -1 if the
// stream cannot tell (then no check against the size is made).
int64_t MeasureFile(FILE* file);
