#include "sample_scenarios.h"

#include "game_ids.h"

using namespace scenario_writer;

namespace {

Chunk& FindChunk(ScenarioFile& file, uint32_t type) {
  for (Chunk& chunk : file.chunks)
    if (chunk.type == type) return chunk;
  return file.chunks.front();
}

// The file cut in the middle of the compressed data of its chunk of the given type.
Bytes CutInsideChunk(const ScenarioFile& file, uint32_t type) {
  std::vector<ChunkPlacement> placements;
  Bytes bytes = MakeScenarioFile(file, &placements);
  for (const ChunkPlacement& placement : placements)
    if (placement.type == type) bytes.resize(placement.dataOffset + placement.compressedLength / 2);
  return bytes;
}

Bytes WithBadHeaderString() {
  Bytes bytes = MakeScenarioFile(MakeNovaRoma());
  // The tag of the first header string, right after the 4-byte header lead.
  bytes[4] = 0x78;
  return bytes;
}

Bytes WithBadMagic() {
  ScenarioFile file = MakeNovaRoma();
  FindChunk(file, kGoalsChunk).magic[3] = 'X';
  return MakeScenarioFile(file);
}

Bytes WithTruncatedPayload() {
  ScenarioFile file = MakeTiberis();
  Bytes& payload = FindChunk(file, kScenarioChunk).payload;
  payload.resize(payload.size() / 3);
  return MakeScenarioFile(file);
}

Bytes WithBadPayloadString() {
  ScenarioFile file = MakeLegatus();
  Bytes& payload = FindChunk(file, kGoalsChunk).payload;
  // The high byte of the tag of the first of the ten strings after the 8 leading bytes.
  payload[11] = 0x00;
  return MakeScenarioFile(file);
}

Bytes WithDamagedStream() {
  ScenarioFile file = MakeNovaRoma();
  Chunk& goals = FindChunk(file, kGoalsChunk);
  goals.storeRaw = true;
  goals.rawData = Compress(goals.payload);
  goals.rawData[goals.rawData.size() / 2] ^= 0xFF;
  goals.rawData[goals.rawData.size() / 2 + 1] ^= 0xFF;
  return MakeScenarioFile(file);
}

Bytes WithOversizedPayload() {
  ScenarioFile file = MakeNovaRoma();
  Chunk& mapSize = FindChunk(file, kMapSizeChunk);
  mapSize.overrideInflatedLength = true;
  mapSize.inflatedLength = 300u << 20;
  return MakeScenarioFile(file);
}

Bytes WithSmallChunkSize() {
  ScenarioFile file = MakeNovaRoma();
  Chunk& goals = FindChunk(file, kGoalsChunk);
  goals.overrideSize = true;
  goals.size = 8;
  return MakeScenarioFile(file);
}

Bytes WithoutChunks() {
  ScenarioFile file = MakeNovaRoma();
  file.chunks.clear();
  return MakeScenarioFile(file);
}

// The last chunk has no handler and claims more data than the file holds.
Bytes WithSkipPastEnd() {
  ScenarioFile file = MakeNovaRoma();
  Chunk unknown;
  unknown.type = 11;
  unknown.storeRaw = true;
  unknown.rawData = Bytes(20, 0x44);
  unknown.overrideSize = true;
  unknown.size = 12 + 1000;
  file.chunks.push_back(unknown);
  return MakeScenarioFile(file);
}

Bytes WithMissingSequence() {
  ScenarioFile file = MakeTiberis();
  ScenarioState state;
  state.hasEmpire = false;
  state.timePlayed = 100;
  state.regionValues = {RegionId("Asia")};
  state.marker = 1;
  state.resyncSequencePresent = false;
  state.startYear = 1;
  FindChunk(file, kScenarioChunk).payload = MakeScenarioPayload(state);
  return MakeScenarioFile(file);
}

// A map size chunk without compressed data, then a goals chunk of declared length 0.
Bytes WithEmptyChunks() {
  ScenarioFile file = MakeNovaRoma();
  Chunk& mapSize = FindChunk(file, kMapSizeChunk);
  mapSize.storeRaw = true;
  mapSize.overrideInflatedLength = true;
  mapSize.inflatedLength = 4;
  Chunk& goals = FindChunk(file, kGoalsChunk);
  goals.overrideInflatedLength = true;
  goals.inflatedLength = 0;
  return MakeScenarioFile(file);
}

// A stream that ends before the declared length: the missing bytes read as zero.
Bytes WithShortStream() {
  ScenarioFile file = MakeNovaRoma();
  Chunk& mapSize = FindChunk(file, kMapSizeChunk);
  mapSize.payload = {0x80, 0x01};
  mapSize.overrideInflatedLength = true;
  mapSize.inflatedLength = 4;
  return MakeScenarioFile(file);
}

// The last order's amount lies past the end of a payload cut 60 bytes short:
// 16 bytes follow the list, 38 the amount.
Bytes WithPayloadCutInsideAnOrder() {
  ScenarioFile file = MakeTiberis();
  Bytes& payload = FindChunk(file, kScenarioChunk).payload;
  payload.resize(payload.size() - 60);
  return MakeScenarioFile(file);
}

const uint32_t kLargestDeclaredLength = 256u << 20;

// A chunk without compressed data that declares the largest payload the
// analyzer accepts: 256 MiB of zeros.
Chunk DeclaringWithoutData(uint32_t type) {
  Chunk chunk;
  chunk.type = type;
  chunk.storeRaw = true;
  chunk.overrideInflatedLength = true;
  chunk.inflatedLength = kLargestDeclaredLength;
  return chunk;
}

// A small file of twenty such map size chunks.
Bytes WithZeroFilledChunks() {
  ScenarioFile file;
  file.title = "Zero";
  file.directoryEntries = 0;
  file.chunks.assign(20, DeclaringWithoutData(kMapSizeChunk));
  return MakeScenarioFile(file);
}

// A chunk whose payload is the given one, then zeros up to 256 MiB.
Chunk DeclaringLongTail(uint32_t type, const Bytes& payload) {
  Chunk chunk = DeclaringWithoutData(type);
  chunk.rawData = Compress(payload);
  return chunk;
}

// About a megabyte of chunks that each declare 256 MiB but hold a few bytes
// or none: map sizes without data, and scenario states whose resynchronisation
// key never occurs, so the search runs on through the zeros. A state whose
// sized blocks claim four billion entries in the zeros ends the file.
Bytes HostileMegabyte() {
  const size_t kTargetSize = 1000000;
  ScenarioState lonelyCity;
  lonelyCity.hasEmpire = true;
  lonelyCity.cities = {City{}};
  lonelyCity.cities[0].type = 2;
  lonelyCity.paddingPerRecord = 3000;  // so that the stream is not tiny
  lonelyCity.regionValues = {0, 0};
  lonelyCity.marker = 1;
  lonelyCity.resyncSequencePresent = false;
  Chunk state = DeclaringLongTail(kScenarioChunk, MakeScenarioPayload(lonelyCity));
  Chunk map = DeclaringWithoutData(kMapSizeChunk);
  ScenarioState endless;
  endless.regionValues = {0, 0};
  endless.endlessSizedBlocks = true;
  Chunk last = DeclaringLongTail(kScenarioChunk, MakeScenarioPayload(endless));

  ScenarioFile file;
  file.title = "Hostile";
  // Each chunk costs its entry in the chunk table, its fields and its data.
  const size_t kChunkBytes = 4 + 20;
  size_t size = MakeScenarioFile(file).size() + kChunkBytes + last.rawData.size();
  const size_t kMapsPerState = 10;
  const size_t kGroupSize = (kMapsPerState + 1) * kChunkBytes + state.rawData.size();
  while (size + kGroupSize <= kTargetSize) {
    for (size_t i = 0; i < kMapsPerState; ++i) file.chunks.push_back(map);
    file.chunks.push_back(state);
    size += kGroupSize;
  }
  file.chunks.push_back(last);
  return MakeScenarioFile(file);
}

}  // namespace

std::vector<NamedScenario> MakeCostlyScenarios() {
  return {
      {"zero_filled_chunks.scn", WithZeroFilledChunks()},
      {"hostile_megabyte.scn", HostileMegabyte()},
  };
}

std::vector<NamedScenario> MakeDamagedScenarios() {
  return {
      {"truncated_in_chunk.scn", CutInsideChunk(MakeTiberis(), kScenarioChunk)},
      {"bad_header_string.scn", WithBadHeaderString()},
      {"bad_magic.scn", WithBadMagic()},
      {"truncated_payload.scn", WithTruncatedPayload()},
      {"bad_payload_string.scn", WithBadPayloadString()},
      {"damaged_stream.scn", WithDamagedStream()},
      {"oversized_payload.scn", WithOversizedPayload()},
      {"small_chunk_size.scn", WithSmallChunkSize()},
      {"no_chunks.scn", WithoutChunks()},
      {"skip_past_end.scn", WithSkipPastEnd()},
      {"missing_sequence.scn", WithMissingSequence()},
      {"empty_chunks.scn", WithEmptyChunks()},
      {"short_stream.scn", WithShortStream()},
      {"cut_inside_order.scn", WithPayloadCutInsideAnOrder()},
  };
}
