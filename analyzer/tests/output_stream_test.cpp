// The command line's output stream: the same bytes, whatever the size of its
// buffer and of the pieces written to it.
#include "output_stream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Writes the text in pieces of pieceSize through a buffer of the capacity and
// reads back what reached the file.
std::string Written(const std::string& text, bool crlf, size_t capacity, size_t pieceSize) {
  FILE* file = tmpfile();
  if (file == nullptr) return "no temporary file";
  std::vector<char> buffer(capacity);
  OutputStream out;
  StartOutputStream(&out, file, crlf, buffer.data(), capacity);
  for (size_t at = 0; at < text.size(); at += pieceSize)
    WriteOutputBytes(&out, text.data() + at, std::min(pieceSize, text.size() - at));
  FlushOutputStream(&out);
  std::string written;
  rewind(file);
  for (int c; (c = fgetc(file)) != EOF;) written += char(c);
  fclose(file);
  return written;
}

std::string WithCrLf(const std::string& text) {
  std::string converted;
  for (char c : text) converted += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return converted;
}

TEST(OutputStream, LineEndsBecomeCrLfAcrossEveryBlockAndPieceBoundary) {
  const std::string text = "\nInformation for file: a.scn\n\n  City 1:\n\n\nx\ny\n" +
                           std::string(300, 'z') + "\nno line end at the end";
  for (size_t capacity : {2, 3, 4, 7, 64, 4096})
    for (size_t piece : {1, 2, 5, 29, 1000}) {
      SCOPED_TRACE("capacity " + std::to_string(capacity) + ", piece " + std::to_string(piece));
      EXPECT_EQ(Written(text, true, capacity, piece), WithCrLf(text));
      EXPECT_EQ(Written(text, false, capacity, piece), text);
    }
}

}  // namespace
