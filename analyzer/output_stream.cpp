#include "output_stream.h"

#include <cstring>

namespace {

void WriteBuffered(OutputStream* out) {
  if (out->used > 0) fwrite(out->buffer, 1, out->used, out->file);
  out->used = 0;
}

void WriteToOutputStream(void* out, const char* bytes, size_t count) {
  WriteOutputBytes(static_cast<OutputStream*>(out), bytes, count);
}

}  // namespace

void StartOutputStream(OutputStream* out, FILE* file, bool crlf, char* buffer, size_t capacity) {
  *out = OutputStream{file, crlf, buffer, capacity, 0};
}

void WriteOutputBytes(OutputStream* out, const char* bytes, size_t count) {
  while (count > 0) {
    if (out->capacity - out->used < 2) WriteBuffered(out);
    const size_t room = out->capacity - out->used;
    size_t take = count < room ? count : room;
    if (out->crlf) {
      const char* newline = static_cast<const char*>(memchr(bytes, '\n', take));
      if (newline != nullptr) {
        const size_t before = size_t(newline - bytes);
        if (before + 2 <= room) {
          memcpy(out->buffer + out->used, bytes, before);
          memcpy(out->buffer + out->used + before, "\r\n", 2);
          out->used += before + 2;
          bytes += before + 1;
          count -= before + 1;
          continue;
        }
        take = before;  // the line end goes into the next block, whole
      }
    }
    memcpy(out->buffer + out->used, bytes, take);
    out->used += take;
    bytes += take;
    count -= take;
  }
}

void FlushOutputStream(OutputStream* out) {
  WriteBuffered(out);
  fflush(out->file);
}

ReportSink OutputStreamSink(OutputStream* out) { return ReportSink{WriteToOutputStream, out}; }
