#include "container.h"
#include "report.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace scenario_writer;
using testing::ExitedWithCode;

namespace {

struct HandledChunk {
  uint32_t type;
  Bytes payload;
};

std::vector<HandledChunk> handled;

template <uint32_t Type>
void RecordChunk(const unsigned char* payload, int32_t length) {
  handled.push_back({Type, Bytes(payload, payload + length)});
}

const ChunkHandlerTable kRecordingTable = {
    {RecordChunk<4>, nullptr, RecordChunk<6>, RecordChunk<7>}};

// Walks the file in this process; returns what the walk wrote to standard error.
std::string Walk(const Bytes& file) {
  handled.clear();
  FILE* stream = OpenBytesAsFile(file);
  testing::internal::CaptureStderr();
  EXPECT_EQ(WalkScenarioFile(stream, &kRecordingTable), 0);
  fclose(stream);
  return testing::internal::GetCapturedStderr();
}

Chunk RawChunk(uint32_t type, const Bytes& data, uint32_t inflatedLength) {
  Chunk chunk = MakeChunk(type, {});
  chunk.storeRaw = true;
  chunk.rawData = data;
  chunk.overrideInflatedLength = true;
  chunk.inflatedLength = inflatedLength;
  return chunk;
}

// For death tests: standard error must reach the test.
void WalkToTheEnd(const Bytes& file) { WalkScenarioFile(OpenBytesAsFile(file), &kRecordingTable); }

const char kPrematureEnd[] = "End of file reached prematurely";

}  // namespace

TEST(Container, HandsOnlyChunksWithHandlersToThemInFileOrder) {
  Bytes map = {1, 2, 3, 4};
  Bytes state = {9, 9};
  std::string errors =
      Walk(MakeFileOfChunks({MakeChunk(5, {1}), MakeChunk(9, {2}), MakeChunk(7, state),
                             MakeChunk(0xFFFFFFFFu, {}), MakeChunk(4, map)}));
  EXPECT_EQ(errors, "");
  ASSERT_EQ(handled.size(), 2u);
  EXPECT_EQ(handled[0].type, 7u);
  EXPECT_EQ(handled[0].payload, state);
  EXPECT_EQ(handled[1].type, 4u);
  EXPECT_EQ(handled[1].payload, map);
}

TEST(Container, GivesTheHandlerTheDeclaredLengthWhateverTheStreamHolds) {
  Bytes longPayload(100, 0x5A);
  Chunk tooLong = MakeChunk(4, longPayload);
  tooLong.overrideInflatedLength = true;
  tooLong.inflatedLength = 4;
  Chunk tooShort = MakeChunk(6, {1, 2, 3});
  tooShort.overrideInflatedLength = true;
  tooShort.inflatedLength = 6;
  Bytes stream = Compress(Bytes(50, 0x11));
  stream.resize(stream.size() - 6);  // a stream cut before its end
  Walk(MakeFileOfChunks({tooLong, tooShort, RawChunk(7, stream, 60)}));
  ASSERT_EQ(handled.size(), 3u);
  EXPECT_EQ(handled[0].payload, Bytes(4, 0x5A));
  EXPECT_EQ(handled[1].payload, Bytes({1, 2, 3, 0, 0, 0}));
  ASSERT_EQ(handled[2].payload.size(), 60u);
  EXPECT_EQ(handled[2].payload[59], 0);
}

TEST(Container, EmptyDataIsNotAShortageOfMemory) {
  std::string errors = Walk(
      MakeFileOfChunks({RawChunk(4, {}, 8), RawChunk(6, Compress({1, 2}), 0), RawChunk(7, {}, 0)}));
  EXPECT_EQ(errors, "");
  ASSERT_EQ(handled.size(), 3u);
  EXPECT_EQ(handled[0].payload, Bytes(8, 0));
  EXPECT_TRUE(handled[1].payload.empty());
  EXPECT_TRUE(handled[2].payload.empty());
}

TEST(Container, DropsDamagedOrOversizedChunksAndGoesOn) {
  Bytes damaged = Compress(Bytes(64, 0x42));
  damaged[2] ^= 0xFF;
  std::string errors =
      Walk(MakeFileOfChunks({RawChunk(6, damaged, 64), RawChunk(7, Compress({7}), (256u << 20) + 1),
                             MakeChunk(4, {4, 0, 0, 0})}));
  EXPECT_EQ(errors, "Could not malloc for uncompressed data\n");
  ASSERT_EQ(handled.size(), 1u);
  EXPECT_EQ(handled[0].type, 4u);
}

TEST(Container, EndsAtTheOffsetWhereTheFileRanOut) {
  Bytes noChunks = MakeFileOfChunks({});
  size_t size = noChunks.size();
  noChunks.resize(size - 2);  // inside the skipped end of the directory
  EXPECT_EXIT(WalkToTheEnd(noChunks), ExitedWithCode(1), FatalLine(kPrematureEnd, size));

  std::vector<ChunkPlacement> placements;
  ScenarioFile file;
  file.chunks = {MakeChunk(4, {1, 0, 0, 0})};
  Bytes whole = MakeScenarioFile(file, &placements);
  uint64_t chunkStart = placements[0].dataOffset - 20;
  Bytes cutInMagic(whole.begin(), whole.begin() + long(chunkStart + 10));
  EXPECT_EXIT(WalkToTheEnd(cutInMagic), ExitedWithCode(1),
              FatalLine(kPrematureEnd, chunkStart + 10));

  Bytes cutInData(whole.begin(), whole.end() - 1);
  EXPECT_EXIT(WalkToTheEnd(cutInData), ExitedWithCode(1),
              FatalLine(kPrematureEnd, whole.size() - 1));
}

TEST(Container, ChecksEveryMagicByteAndTheChunkSize) {
  ScenarioFile file;
  file.chunks = {MakeChunk(4, {1, 0, 0, 0})};
  std::vector<ChunkPlacement> placements;
  MakeScenarioFile(file, &placements);
  uint64_t magicStart = placements[0].dataOffset - 12;

  for (int wrong = 0; wrong < 4; ++wrong) {
    ScenarioFile damaged = file;
    damaged.chunks[0].magic[wrong] = 'z';
    EXPECT_EXIT(WalkToTheEnd(MakeScenarioFile(damaged)), ExitedWithCode(1),
                FatalLine("Invalid ZLIB header", magicStart + wrong + 1));
  }

  ScenarioFile tooSmall = file;
  tooSmall.chunks[0].overrideSize = true;
  tooSmall.chunks[0].size = 11;
  EXPECT_EXIT(WalkToTheEnd(MakeScenarioFile(tooSmall)), ExitedWithCode(1),
              FatalLine("Chunk size smaller than its header", magicStart));
}

TEST(Container, RejectsAnUnknownStringTagAfterItsLength) {
  Bytes bytes = MakeFileOfChunks({});
  bytes[7] = 0x90;  // the high byte of the first header string's tag
  EXPECT_EXIT(WalkToTheEnd(bytes), ExitedWithCode(1),
              FatalLine("String expected but not found", 12));
}

TEST(Container, TheReportSoFarStaysWhenAPayloadEndsEarly) {
  ScenarioFile file;
  Bytes goals = MakeGoalsPayload({{0, 0, 3, 500, 0, 162559990u}, {4, 3, 3, 40, 0, 0}});
  goals.resize(goals.size() - 30);  // inside the body of the second goal's second string
  file.chunks = {MakeChunk(4, MakeMapSizePayload(2)), MakeChunk(6, goals)};
  ChunkHandlerTable table = {{HandleMapSizeChunk, nullptr, HandleGoalsChunk, HandleScenarioChunk}};
  FILE* stream = OpenBytesAsFile(MakeScenarioFile(file));
  EXPECT_EXIT(
      {
        RedirectOutputToFile();
        WalkScenarioFile(stream, &table);
      },
      ExitedWithCode(1), FatalLine("Attempting to read past end of file", int(goals.size()) + 5));
  EXPECT_EQ(ReadRedirectedOutput(),
            "Map size: 2\n\nNumber of goals: 2\nGoal 1:\n  Condition: victory(OR)\n  >= 500 Wine "
            "in storage\nGoal 2:\n");
}
