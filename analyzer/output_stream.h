// The command line's standard output: the report collected in a large buffer
// and handed to the stream in large blocks. With crlf set (Windows, where the
// stream is switched to binary) every "\n" is written as "\r\n", the bytes the
// platform's text mode would write, but without the C runtime's pieces of two
// kilobytes, each of which costs a round trip through a pipe.
#pragma once

#include "analyze.h"

#include <cstddef>
#include <cstdio>

struct OutputStream {
  FILE* file;
  bool crlf;
  char* buffer;  // the caller's
  size_t capacity;
  size_t used;
};

// capacity must be at least 2, the room of one "\r\n".
void StartOutputStream(OutputStream* out, FILE* file, bool crlf, char* buffer, size_t capacity);
void WriteOutputBytes(OutputStream* out, const char* bytes, size_t count);
// Hands everything buffered to the stream and the stream's own buffer to the system.
void FlushOutputStream(OutputStream* out);
// A report sink that writes to the stream.
ReportSink OutputStreamSink(OutputStream* out);
