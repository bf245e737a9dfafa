// The lister's DXT1 decoder on its own, for the cross-check against another
// decoder and for the benchmark.
//   dxt1_tool decode IN.dds OUT.ppm   the decoded picture as binary PPM
//   dxt1_tool time IN.dds REPEATS     best time of reading and decoding, in ms
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "dxt1.h"

namespace {

bool ReadFile(const char* path, std::vector<std::uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return false;
  bytes.resize(static_cast<std::size_t>(in.tellg()));
  in.seekg(0);
  return static_cast<bool>(
      in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())));
}

bool Decode(const char* path, lister::RgbPicture& picture) {
  std::vector<std::uint8_t> file;
  std::string error;
  if (!ReadFile(path, file))
    error = "cannot read the file";
  else if (lister::DecodeDxt1(file, picture, error))
    return true;
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
