// Writes scenario files for tests, samples and benchmarks: the container with
// its header and directory, chunks with their zlib streams, and the payloads
// of chunk types 4, 6 and 7 field by field.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace scenario_writer {

using Bytes = std::vector<uint8_t>;

const uint32_t kNarrowStringTag = 0xA0000001u;
const uint32_t kWideStringTag = 0x80000001u;

enum class StringWidth { kNarrow, kWide };

// Little-endian fields.
void PutU8(Bytes* out, uint8_t value);
void PutU32(Bytes* out, uint32_t value);
void PutBytes(Bytes* out, const Bytes& bytes);
// Bytes the reader steps over; a varied pattern, so a misaligned reader shows.
void PutFiller(Bytes* out, size_t count);
// A stored string: tag, length in characters, body of 1 or 2 bytes per character.
void PutString(Bytes* out, const std::string& text, StringWidth width = StringWidth::kNarrow);

// Chunk type 6.
struct Goal {
  uint32_t kind;
  uint32_t b;
  uint32_t c;
  uint32_t d;
  uint32_t condition;
  uint32_t e;
};

// Chunk type 7.
struct TradeGood {
  uint32_t id;
  uint32_t amount;
};

struct City {
  std::string name;
  uint32_t type;  // 2 home city, 3 trade city or enemy site
  bool open;
  bool overWater;
  bool visible;
  uint32_t routeKind;  // 0 Roman, 1 foreign, 2 enemy site
  std::vector<TradeGood> sells;
  std::vector<TradeGood> buys;
};

struct Invasion {
  uint32_t buyOff;
  uint32_t weeks;
};

struct Demand {
  bool isRequest;
  uint32_t timeMade;
  uint32_t timeToComply;
  uint32_t recurrence;
  uint32_t favorReward;
  uint32_t favorPenalty;
  uint32_t goodsId;
  uint32_t amount;
};

struct ScenarioState {
  bool hasEmpire = false;
  std::vector<City> cities;
  std::vector<Invasion> invasions;
  uint32_t timePlayed = 0xFFFFFFFFu;
  std::vector<uint32_t> regionValues;  // as stored: one value, or a 0/unknown value and a second
  uint32_t marker = 0;                 // 1: four key bytes, then the key sequence further on
  uint8_t resyncKey[4] = {0xC7, 0x3D, 0x91, 0x5E};
  bool resyncSequencePresent = true;
  std::vector<uint32_t> disabledBuildings;
  int32_t startYear = 0;
  uint32_t startWeek = 0;
  std::vector<Demand> demands;
  // Bulk the reader steps over, for large benchmark payloads.
  size_t paddingPerRecord = 0;
  // Damaged payloads: the list of sized blocks claims 4294967295 of them, and
  // the payload ends right after that count.
  bool endlessSizedBlocks = false;
};

Bytes MakeMapSizePayload(uint32_t mapSize);
Bytes MakeGoalsPayload(const std::vector<Goal>& goals);
Bytes MakeScenarioPayload(const ScenarioState& state);

// The container.
struct Chunk {
  uint32_t type;
  Bytes payload;
  // Damaged files: each replaces what would be written.
  bool storeRaw = false;  // write rawData as the compressed data
  Bytes rawData;
  bool overrideSize = false;  // the size field
  uint32_t size = 0;
  bool overrideInflatedLength = false;
  uint32_t inflatedLength = 0;
  char magic[4] = {'Z', 'L', 'I', 'B'};
};

struct ScenarioFile {
  std::string title;
  bool optionFlag = true;
  uint32_t directoryEntries = 2;
  std::vector<Chunk> chunks;
};

// Where a chunk's compressed data lies in the written file.
struct ChunkPlacement {
  uint32_t type;
  uint64_t dataOffset;
  uint32_t compressedLength;
  uint32_t inflatedLength;
};

Bytes Compress(const Bytes& payload);
Bytes MakeScenarioFile(const ScenarioFile& file, std::vector<ChunkPlacement>* placements = nullptr);

void WriteFileBytes(const std::string& path, const Bytes& bytes);

}  // namespace scenario_writer
