#include "file_fields.h"
#include "container.h"
#include "fatal.h"

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

[[noreturn]] void ReportPrematureEnd(FILE* file) {
  ReportFatal("End of file reached prematurely", TellFile(file));
}

}  // namespace

int64_t TellFile(FILE* file) {
#ifdef _WIN32
  return _ftelli64(file);
#else
  return ftello(file);
#endif
}

void SkipFileBytes(FILE* file, uint64_t count) {
  if (count == 0) return;
  if (count > uint64_t(std::numeric_limits<int64_t>::max()) ||
      SeekFile(file, int64_t(count), SEEK_CUR) != 0)
    ReportPrematureEnd(file);
}

int64_t MeasureFile(FILE* file) {
  int64_t start = TellFile(file);
  if (start < 0 || SeekFile(file, 0, SEEK_END) != 0) return -1;
  int64_t size = TellFile(file);
  if (SeekFile(file, start, SEEK_SET) != 0) ReportPrematureEnd(file);
  return size;
}

uint8_t ReadFileByte(FILE* file) {
  int c = fgetc(file);
  if (c == EOF) ReportPrematureEnd(file);
  return uint8_t(c);
}

uint32_t ReadFileU32(FILE* file) {
  unsigned char b[4];
  if (fread(b, 1, 4, file) != 4) ReportPrematureEnd(file);
  return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

void SkipFileString(FILE* file) {
  uint32_t tag = ReadFileU32(file);
  uint32_t length = ReadFileU32(file);
  if (tag == kNarrowStringTag)
    SkipFileBytes(file, length);
  else if (tag == kWideStringTag)
    SkipFileBytes(file, 2 * uint64_t(length));
  else
    ReportFatal("String expected but not found", TellFile(file));
}
