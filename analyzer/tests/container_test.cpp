#include "container.h"
#include "report.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace scenario_writer;

namespace {

struct HandledChunk {
  uint32_t type;
  Bytes payload;  // as the handler reads it, zeros of the tail included
  int32_t stored;
};

std::vector<HandledChunk> handled;

template <uint32_t Type>
void RecordChunk(const ChunkPayload& payload, ReportWriter*) {
  Bytes bytes(payload.bytes, payload.bytes + payload.stored);
  bytes.resize(size_t(payload.length), 0);
  handled.push_back({Type, bytes, payload.stored});
}

const ChunkHandlerTable kRecordingTable = {
    {RecordChunk<4>, nullptr, RecordChunk<6>, RecordChunk<7>}};

struct WalkResult {
  std::string messages;
  std::string fault;
};

WalkResult Walk(const Bytes& file, const ChunkHandlerTable* table = &kRecordingTable) {
  handled.clear();
  WalkResult result;
  ScenarioInput input = ScenarioInputFromBytes(file.data(), file.size());
  ReportWriter out;
  StartReport(&out, DiscardingReportSink());
  result.fault =
      FaultOf([&] { WalkScenarioFile(&input, table, &out, MemoryReportSink(&result.messages)); });
  return result;
}

Chunk RawChunk(uint32_t type, const Bytes& data, uint32_t inflatedLength) {
  Chunk chunk = MakeChunk(type, {});
  chunk.storeRaw = true;
  chunk.rawData = data;
  chunk.overrideInflatedLength = true;
  chunk.inflatedLength = inflatedLength;
  return chunk;
}

std::string PrematureEnd(uint64_t position) {
  return "End of file reached prematurely (" + std::to_string(position) + ")";
}

}  // namespace

TEST(Container, HandsOnlyChunksWithHandlersToThemInFileOrder) {
  Bytes map = {1, 2, 3, 4};
  Bytes state = {9, 9};
  WalkResult result =
      Walk(MakeFileOfChunks({MakeChunk(5, {1}), MakeChunk(9, {2}), MakeChunk(7, state),
                             MakeChunk(0xFFFFFFFFu, {}), MakeChunk(4, map)}));
  EXPECT_EQ(result.messages, "");
  EXPECT_EQ(result.fault, "");
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
  // A stream of 4 MB that declares 3 MB: the payload grows past its first size and stops there.
  Bytes large(4 << 20, 0);
  for (size_t i = 0; i < large.size(); i += 3) large[i] = uint8_t(i / 3);
  Chunk grown = MakeChunk(7, large);
  grown.overrideInflatedLength = true;
  grown.inflatedLength = 3 << 20;
  Walk(MakeFileOfChunks({tooLong, tooShort, RawChunk(7, stream, 60), grown}));
  ASSERT_EQ(handled.size(), 4u);
  EXPECT_EQ(handled[0].payload, Bytes(4, 0x5A));
  EXPECT_EQ(handled[1].payload, Bytes({1, 2, 3, 0, 0, 0}));
  EXPECT_EQ(handled[1].stored, 3);
  ASSERT_EQ(handled[2].payload.size(), 60u);
  EXPECT_EQ(handled[2].payload[59], 0);
  EXPECT_EQ(handled[3].payload, Bytes(large.begin(), large.begin() + (3 << 20)));
}

TEST(Container, EmptyDataIsNeitherAShortageOfMemoryNorStored) {
  WalkResult result = Walk(MakeFileOfChunks(
      {RawChunk(4, {}, 8), RawChunk(6, Compress({1, 2}), 0), RawChunk(7, {}, 256u << 20)}));
  EXPECT_EQ(result.messages, "");
  ASSERT_EQ(handled.size(), 3u);
  EXPECT_EQ(handled[0].payload, Bytes(8, 0));
  EXPECT_EQ(handled[0].stored, 0);
  EXPECT_TRUE(handled[1].payload.empty());
  EXPECT_EQ(handled[2].payload.size(), size_t(256u << 20));
  EXPECT_EQ(handled[2].stored, 0);
}

TEST(Container, DropsDamagedOrOversizedChunksAndGoesOn) {
  Bytes damaged = Compress(Bytes(64, 0x42));
  damaged[2] ^= 0xFF;
  Bytes badHeader = {0x78, 0x00};  // a zlib header whose check fails
  WalkResult result =
      Walk(MakeFileOfChunks({RawChunk(6, damaged, 64), RawChunk(7, Compress({7}), (256u << 20) + 1),
                             RawChunk(6, badHeader, 0), MakeChunk(4, {4, 0, 0, 0})}));
  EXPECT_EQ(result.messages, "Could not malloc for uncompressed data\n");
  ASSERT_EQ(handled.size(), 1u);
  EXPECT_EQ(handled[0].type, 4u);
}

TEST(Container, EndsAtTheOffsetWhereTheFileRanOut) {
  Bytes noChunks = MakeFileOfChunks({});
  size_t size = noChunks.size();
  noChunks.resize(size - 2);  // inside the skipped end of the directory
  EXPECT_EQ(Walk(noChunks).fault, PrematureEnd(size));

  std::vector<ChunkPlacement> placements;
  ScenarioFile file;
  file.chunks = {MakeChunk(4, {1, 0, 0, 0})};
  Bytes whole = MakeScenarioFile(file, &placements);
  uint64_t chunkStart = placements[0].dataOffset - 20;
  Bytes cutInMagic(whole.begin(), whole.begin() + long(chunkStart + 10));
  EXPECT_EQ(Walk(cutInMagic).fault, PrematureEnd(chunkStart + 10));

  Bytes cutInData(whole.begin(), whole.end() - 1);
  EXPECT_EQ(Walk(cutInData).fault, PrematureEnd(whole.size() - 1));
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
    EXPECT_EQ(Walk(MakeScenarioFile(damaged)).fault,
              "Invalid ZLIB header (" + std::to_string(magicStart + wrong + 1) + ")");
  }

  ScenarioFile tooSmall = file;
  tooSmall.chunks[0].overrideSize = true;
  tooSmall.chunks[0].size = 11;
  EXPECT_EQ(Walk(MakeScenarioFile(tooSmall)).fault,
            "Chunk size smaller than its header (" + std::to_string(magicStart) + ")");
}

TEST(Container, RejectsAnUnknownStringTagAfterItsLength) {
  Bytes bytes = MakeFileOfChunks({});
  bytes[7] = 0x90;  // the high byte of the first header string's tag
  EXPECT_EQ(Walk(bytes).fault, "String expected but not found (12)");
}
