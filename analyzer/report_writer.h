// The report's output: a buffer that reaches the caller's sink in large
// pieces, with numbers formatted by std::to_chars. Each line stays readable
// at its call site as the text it prints:
//   Print(out, "  Favor reward    : ", reward, "\n");
// A part is literal text, a signed (int32_t, int64_t) or unsigned (uint32_t)
// decimal, or Hex(value) for lower-case hexadecimal.
#pragma once

#include "analyze.h"

#include <charconv>
#include <cstdint>
#include <cstring>

const size_t kReportBufferBytes = 16384;

struct ReportWriter {
  ReportSink sink;
  size_t used;
  char buffer[kReportBufferBytes];
};

void StartReport(ReportWriter* out, ReportSink sink);
// Hands the buffered bytes to the sink.
void FlushReport(ReportWriter* out);
inline void WriteReportBytes(ReportWriter* out, const char* bytes, size_t count) {
  if (count > kReportBufferBytes - out->used) {
    FlushReport(out);
    if (count > kReportBufferBytes) {
      out->sink.write(out->sink.context, bytes, count);
      return;
    }
  }
  memcpy(out->buffer + out->used, bytes, count);
  out->used += count;
}

struct Hex {
  uint32_t value;
};

namespace report_parts {

// Room for the longest number of any kind.
const size_t kNumberRoom = 24;

template <typename Number>
inline void WriteNumber(ReportWriter* out, Number value, int base) {
  if (kReportBufferBytes - out->used < kNumberRoom) FlushReport(out);
  char* start = out->buffer + out->used;
  out->used += size_t(std::to_chars(start, start + kNumberRoom, value, base).ptr - start);
}

inline void WritePart(ReportWriter* out, const char* text) {
  WriteReportBytes(out, text, strlen(text));
}
inline void WritePart(ReportWriter* out, int32_t value) { WriteNumber(out, value, 10); }
inline void WritePart(ReportWriter* out, int64_t value) { WriteNumber(out, value, 10); }
inline void WritePart(ReportWriter* out, uint32_t value) { WriteNumber(out, value, 10); }
inline void WritePart(ReportWriter* out, Hex value) { WriteNumber(out, value.value, 16); }

}  // namespace report_parts

template <typename... Parts>
inline void Print(ReportWriter* out, const Parts&... parts) {
  (report_parts::WritePart(out, parts), ...);
}
