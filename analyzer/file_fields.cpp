#include "file_fields.h"

#include "fatal.h"

#include <algorithm>
#include <limits>

namespace {

const uint32_t kNarrowStringTag = 0xA0000001u;
const uint32_t kWideStringTag = 0x80000001u;

// 64-bit offsets on both platforms, so that both builds report the same positions.
int SeekFile(FILE* file, int64_t offset, int origin) {
#ifdef _WIN32
  return _fseeki64(file, offset, origin);
#else
  return fseeko(file, off_t(offset), origin);
#endif
}

[[noreturn]] void ReportPrematureEnd(ScenarioInput* input) {
  ReportFatal("End of file reached prematurely", TellFile(input));
}

}  // namespace

int64_t TellFile(ScenarioInput* input) {
  if (input->file == nullptr) return input->position;
#ifdef _WIN32
  return _ftelli64(input->file);
#else
  return ftello(input->file);
#endif
}

void SkipFileBytes(ScenarioInput* input, uint64_t count) {
  if (count == 0) return;
  const uint64_t kMaxOffset = uint64_t(std::numeric_limits<int64_t>::max());
  if (input->file == nullptr) {
    // Like a seek on a file: it may pass the end, but not the range of an offset.
    if (count > kMaxOffset - uint64_t(input->position)) ReportPrematureEnd(input);
    input->position += int64_t(count);
    return;
  }
  if (count > kMaxOffset || SeekFile(input->file, int64_t(count), SEEK_CUR) != 0)
    ReportPrematureEnd(input);
}

size_t ReadFileBlock(ScenarioInput* input, unsigned char* buffer, size_t count) {
  if (input->file != nullptr) return fread(buffer, 1, count, input->file);
  if (input->position >= input->size) return 0;
  size_t got = size_t(std::min(int64_t(count), input->size - input->position));
  std::copy_n(input->bytes + input->position, got, buffer);
  input->position += int64_t(got);
  return got;
}

int64_t MeasureFile(ScenarioInput* input) {
  if (input->file == nullptr) return input->size;
  int64_t start = TellFile(input);
  if (start < 0 || SeekFile(input->file, 0, SEEK_END) != 0) return -1;
  int64_t size = TellFile(input);
  if (SeekFile(input->file, start, SEEK_SET) != 0) ReportPrematureEnd(input);
  return size;
}

uint8_t ReadFileByte(ScenarioInput* input) {
  unsigned char byte;
  if (ReadFileBlock(input, &byte, 1) != 1) ReportPrematureEnd(input);
  return byte;
}

uint32_t ReadFileU32(ScenarioInput* input) {
  unsigned char b[4];
  if (ReadFileBlock(input, b, 4) != 4) ReportPrematureEnd(input);
  return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

void SkipFileString(ScenarioInput* input) {
  uint32_t tag = ReadFileU32(input);
  uint32_t length = ReadFileU32(input);
  if (tag == kNarrowStringTag)
    SkipFileBytes(input, length);
  else if (tag == kWideStringTag)
    SkipFileBytes(input, 2 * uint64_t(length));
  else
    ReportFatal("String expected but not found", TellFile(input));
}
