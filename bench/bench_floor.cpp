// bench_floor FILE CHUNKS REPORT_BYTES: the least work any analyzer must do on
// FILE: read it, inflate the chunks listed in CHUNKS (offset, compressed
// length, inflated length per line) with zlib alone, and write REPORT_BYTES
// bytes to standard output in one piece.
#include <zlib.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 4) {
    fprintf(stderr, "Usage: %s FILE CHUNKS REPORT_BYTES\n", argv[0]);
    return 2;
  }
  FILE* file = fopen(argv[1], "rb");
  FILE* list = fopen(argv[2], "r");
  if (file == nullptr || list == nullptr) {
    fprintf(stderr, "bench_floor: cannot open the input\n");
    return 1;
  }
  fseek(file, 0, SEEK_END);
  long size = ftell(file);
  rewind(file);
  std::unique_ptr<unsigned char[]> bytes(new unsigned char[size_t(size)]);
  if (fread(bytes.get(), 1, size_t(size), file) != size_t(size)) {
    fprintf(stderr, "bench_floor: cannot read the input\n");
    return 1;
  }

  unsigned long long offset;
  unsigned long compressedLength, inflatedLength;
  unsigned long long checksum = 0;
  while (fscanf(list, "%llu %lu %lu", &offset, &compressedLength, &inflatedLength) == 3) {
    std::unique_ptr<unsigned char[]> payload(new unsigned char[inflatedLength]);
    uLongf produced = inflatedLength;
    if (offset + compressedLength > size_t(size) ||
        uncompress(payload.get(), &produced, bytes.get() + offset, compressedLength) != Z_OK) {
      fprintf(stderr, "bench_floor: chunk at %llu does not inflate\n", offset);
      return 1;
    }
    checksum += produced;
  }
  std::vector<char> report(strtoull(argv[3], nullptr, 10), 'x');
  fwrite(report.data(), 1, report.size(), stdout);
  return checksum > 0 ? 0 : 1;
}
