// analyzer: prints the report of one scenario file.
#include "container.h"
#include "report.h"

#include <cstdio>
#include <cstring>

#ifdef _WIN32
// The lister passes exactly one file name, which may hold "[", "*" or "?":
// the C runtime must not expand it as a pattern.
extern "C" {
int _dowildcard = 0;
}
#endif

namespace {

const char kVersion[] = "1.1";
const char kVersionDate[] = "2007-05-05";

ChunkHandlerTable MakeChunkHandlerTable() {
  ChunkHandlerTable table = {{HandleMapSizeChunk, nullptr, HandleGoalsChunk, HandleScenarioChunk}};
  return table;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "Usage: %s [file.scn]\n", argc > 0 ? argv[0] : "analyzer");
    return 1;
  }
  const char* argument = argv[1];
  if (strcmp(argument, "-v") == 0) {
    printf("Valdorum Scenario Analyzer %s (%s)\n", kVersion, kVersionDate);
    printf("Prints what a scenario holds: goals, empire, invasions, orders and requests.\n");
    return 0;
  }
  // Stays open until the process ends.
  FILE* file = fopen(argument, "rb");
  if (file == nullptr) {
    fprintf(stderr, "Cannot open %s\n", argument);
    return 1;
  }
  printf("Information for file: %s\n\n", argument);
  ChunkHandlerTable table = MakeChunkHandlerTable();
  return WalkScenarioFile(file, &table);
}
