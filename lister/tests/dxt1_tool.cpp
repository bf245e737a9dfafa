// The lister's DXT1 decoder on its own, for the cross-check against another
// decoder and for the benchmark.
//   dxt1_tool decode IN.dds OUT.ppm   the decoded picture as binary PPM
//   dxt1_tool time IN.dds REPEATS     best time of reading and decoding, in ms
// Files are read as the lister reads them: the header, then the block data
// in pieces decoded as they arrive.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "picture_file.h"
#include "posix_file_reader.h"

namespace {

bool Decode(const char* path, lister::RgbPicture& picture) {
  std::string error;
  std::unique_ptr<lister::FileReader> file = lister::OpenPosixFile(path, error);
  if (file != nullptr) {
    const lister::PictureResult result = lister::ReadDxt1Picture(*file, picture);
    if (result.Ok()) return true;
    error = "refused, reason " + std::to_string(static_cast<int>(result.fault));
  }
  std::fprintf(stderr, "%s: %s\n", path, error.c_str());
  return false;
}

int WritePpm(const char* in, const char* out) {
  lister::RgbPicture picture;
  if (!Decode(in, picture)) return 1;
  std::ofstream ppm(out, std::ios::binary);
  ppm << "P6\n" << picture.width << " " << picture.height << "\n255\n";
  ppm.write(reinterpret_cast<const char*>(picture.pixels.data()),
            static_cast<std::streamsize>(picture.pixels.size()));
  return ppm ? 0 : 1;
}

int Time(const char* in, int repeats) {
  double best = 0;
  for (int i = 0; i < repeats; ++i) {
    const auto start = std::chrono::steady_clock::now();
    lister::RgbPicture picture;
    if (!Decode(in, picture)) return 1;
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    if (i == 0 || took.count() < best) best = took.count();
  }
  std::printf("%.3f\n", best);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (argc == 4 && command == "decode") return WritePpm(argv[2], argv[3]);
  if (argc == 4 && command == "time") return Time(argv[2], std::atoi(argv[3]));
  std::fprintf(stderr, "usage: dxt1_tool decode IN.dds OUT.ppm | time IN.dds REPEATS\n");
  return 2;
}
