#include "scenario_writer.h"

#include <zlib.h>
#include <cstdio>
#include <stdexcept>

namespace scenario_writer {

namespace {

const uint32_t kUnusedValue = 0x2A17u;

// Text for the bulk of large payloads: varied like real descriptions, so it
// does not compress to nothing.
std::string PaddingText(size_t length, size_t seed) {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz     ,.AEIOU";
  std::string text(length, ' ');
  uint32_t state = uint32_t(seed * 2654435761u + 1);
  for (char& c : text) {
    state = state * 1103515245u + 12345u;
    c = kLetters[(state >> 16) % (sizeof kLetters - 1)];
  }
  return text;
}

void PutUnusedU32(Bytes* out) { PutU32(out, kUnusedValue + uint32_t(out->size())); }

// A list of (u32, string, trailing bytes), with one narrow and one wide entry.
void PutIdStringList(Bytes* out, const char* name, size_t trailingBytes) {
  PutU32(out, 2);
  PutUnusedU32(out);
  PutString(out, name);
  PutFiller(out, trailingBytes);
  PutUnusedU32(out);
  PutString(out, name, StringWidth::kWide);
  PutFiller(out, trailingBytes);
}

void PutCountedWords(Bytes* out, uint32_t count) {
  PutU32(out, count);
  PutFiller(out, 4 * size_t(count));
}

void PutTradeGoods(Bytes* out, const std::vector<TradeGood>& goods) {
  PutU32(out, uint32_t(goods.size()));
  for (const TradeGood& good : goods) {
    PutU32(out, good.id);
    PutString(out, "trade good");
    PutUnusedU32(out);
    PutU32(out, good.amount);
  }
}

void PutCity(Bytes* out, const City& city, size_t padding) {
  PutU32(out, city.type);
  PutFiller(out, 8);
  PutFiller(out, 4);
  PutString(out, city.name);
  PutUnusedU32(out);
  PutU8(out, city.open ? 1 : 0);
  PutFiller(out, 2);
  PutString(out, city.name, StringWidth::kWide);
  PutString(out, PaddingText(padding, out->size()));
  PutFiller(out, 5);
  PutUnusedU32(out);
  if (city.type == 2) {
    PutString(out, "home");
    return;
  }
  if (city.type != 3) return;
  PutU32(out, city.overWater ? 1 : 0);
  PutFiller(out, 4);
  PutUnusedU32(out);
  PutFiller(out, 10);
  PutU8(out, city.visible ? 1 : 0);
  PutFiller(out, 8);
  PutU32(out, city.routeKind);
  PutFiller(out, 9);
  PutTradeGoods(out, city.sells);
  PutTradeGoods(out, city.buys);
  // The trade history: one outer entry holding two inner lists.
  PutU32(out, 1);
  PutFiller(out, 8);
  PutIdStringList(out, "history", 4);
  PutIdStringList(out, "prices", 4);
  PutFiller(out, 8);
  PutU8(out, 1);
  PutU32(out, 2);
  PutFiller(out, 16);
}

void PutInvasion(Bytes* out, const Invasion& invasion, size_t padding) {
  PutU32(out, 2);
  for (int i = 0; i < 2; ++i) {
    PutUnusedU32(out);
    PutString(out, "legion", i == 0 ? StringWidth::kNarrow : StringWidth::kWide);
    PutUnusedU32(out);
    PutUnusedU32(out);
    PutUnusedU32(out);
  }
  PutUnusedU32(out);
  PutUnusedU32(out);
  PutString(out, "invasion");
  PutU32(out, invasion.buyOff);
  PutU32(out, invasion.weeks);
  PutFiller(out, 44);
  PutString(out, PaddingText(padding, out->size()));
  PutFiller(out, 29);
}

void PutDemand(Bytes* out, const Demand& demand, size_t padding) {
  PutString(out, "demand");
  PutU8(out, demand.isRequest ? 1 : 0);
  PutU32(out, demand.timeMade);
  PutU32(out, demand.timeToComply);
  PutU32(out, demand.recurrence);
  PutString(out, "from Rome");
  PutString(out, "message", StringWidth::kWide);
  PutString(out, PaddingText(padding, out->size()));
  PutUnusedU32(out);
  PutU32(out, demand.favorReward);
  PutU32(out, demand.favorPenalty);
  PutUnusedU32(out);
  PutString(out, "goods");
  PutU32(out, demand.goodsId);
  PutString(out, "amount", StringWidth::kWide);
  PutU32(out, demand.amount);
  PutFiller(out, 16);
  PutFiller(out, 22);
}

void PutStructureList(Bytes* out) {
  PutU32(out, 1);
  PutFiller(out, 20);
  PutString(out, "structure");
  PutFiller(out, 24);
  PutString(out, "layer", StringWidth::kWide);
  PutFiller(out, 18);
  PutString(out, "");
  PutFiller(out, 8);
  PutString(out, "tile");
  PutFiller(out, 32);
}

void PutRegionAndResync(Bytes* out, const ScenarioState& state) {
  for (uint32_t value : state.regionValues) PutU32(out, value);
  PutString(out, "climate");
  PutIdStringList(out, "festival", 4);
  PutFiller(out, 8);
  PutIdStringList(out, "deity", 4);
  PutFiller(out, 4);
  PutU32(out, state.marker);
  if (state.marker != 1) {
    PutFiller(out, 8);
    return;
  }
  const uint8_t* key = state.resyncKey;
  Bytes keyBytes(key, key + 4);
  PutBytes(out, keyBytes);
  PutFiller(out, 7);
  if (state.resyncSequencePresent) {
    PutBytes(out, keyBytes);
    PutU32(out, 0);
    PutBytes(out, keyBytes);
  }
}

// Everything between the disabled buildings and the orders and requests.
void PutStartDateAndSurroundings(Bytes* out, const ScenarioState& state) {
  PutCountedWords(out, 3);
  PutFiller(out, 16);
  PutCountedWords(out, 1);
  PutFiller(out, 44);
  // Sized blocks: a count above 1 is replaced by the value after it.
  PutU32(out, 2);
  PutU32(out, 2);
  PutU32(out, 3);
  PutFiller(out, 3);
  PutU32(out, 5);
  PutFiller(out, 5);
  PutFiller(out, 1);
  for (int i = 0; i < 7; ++i) PutIdStringList(out, "name", 0);
  PutUnusedU32(out);
  PutString(out, "governor");
  PutFiller(out, 32);
  PutU8(out, 1);
  PutFiller(out, 12);
  PutFiller(out, 4);
  PutU32(out, uint32_t(state.startYear));
  PutU32(out, state.startWeek);
  PutFiller(out, 75);
  PutIdStringList(out, "event", 0);
  for (int i = 0; i < 2; ++i) {
    PutU32(out, 2);
    PutFiller(out, 4);
    PutFiller(out, 8);
  }
  PutFiller(out, 25);
}

}  // namespace

void PutU8(Bytes* out, uint8_t value) { out->push_back(value); }

void PutU32(Bytes* out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out->push_back(uint8_t(value >> shift));
}

void PutBytes(Bytes* out, const Bytes& bytes) {
  out->insert(out->end(), bytes.begin(), bytes.end());
}

void PutFiller(Bytes* out, size_t count) {
  // Never four zero bytes in a row, so filler cannot look like a key sequence.
  for (size_t i = 0; i < count; ++i) out->push_back(uint8_t(out->size() * 131 + 17));
}

void PutString(Bytes* out, const std::string& text, StringWidth width) {
  PutU32(out, width == StringWidth::kNarrow ? kNarrowStringTag : kWideStringTag);
  PutU32(out, uint32_t(text.size()));
  for (char c : text) {
    out->push_back(uint8_t(c));
    if (width == StringWidth::kWide) out->push_back(0);
  }
}

Bytes MakeMapSizePayload(uint32_t mapSize) {
  Bytes out;
  PutU32(&out, mapSize);
  PutFiller(&out, 12);
  return out;
}

Bytes MakeGoalsPayload(const std::vector<Goal>& goals) {
  Bytes out;
  PutFiller(&out, 8);
  for (int i = 0; i < 10; ++i)
    PutString(&out, "goal text", i % 2 == 0 ? StringWidth::kNarrow : StringWidth::kWide);
  PutU32(&out, uint32_t(goals.size()));
  for (const Goal& goal : goals) {
    PutU32(&out, goal.kind);
    PutU32(&out, goal.b);
    PutU32(&out, goal.c);
    PutU32(&out, goal.d);
    PutU32(&out, goal.condition);
    PutString(&out, "title");
    PutString(&out, "description", StringWidth::kWide);
    PutString(&out, "");
    PutU8(&out, 1);
    PutU32(&out, goal.e);
    PutString(&out, "hint");
  }
  return out;
}

Bytes MakeScenarioPayload(const ScenarioState& state) {
  Bytes out;
  PutFiller(&out, 12);
  PutIdStringList(&out, "player", 4);
  PutU8(&out, state.hasEmpire ? 1 : 0);
  if (state.hasEmpire) {
    PutString(&out, "empire map");
    PutU32(&out, uint32_t(state.cities.size()));
    for (const City& city : state.cities) PutCity(&out, city, state.paddingPerRecord);
  }
  PutFiller(&out, 12);
  PutU32(&out, 1);
  PutUnusedU32(&out);
  PutString(&out, "walker");
  PutCountedWords(&out, 2);
  PutUnusedU32(&out);
  PutCountedWords(&out, 3);
  PutFiller(&out, 12);
  PutIdStringList(&out, "figure", 8);
  PutFiller(&out, 13);
  PutU32(&out, uint32_t(state.invasions.size()));
  for (const Invasion& invasion : state.invasions)
    PutInvasion(&out, invasion, state.paddingPerRecord);
  PutU32(&out, state.timePlayed);
  PutCountedWords(&out, 2);
  PutFiller(&out, 21);
  PutStructureList(&out);
  PutRegionAndResync(&out, state);
  PutU32(&out, uint32_t(state.disabledBuildings.size()));
  for (uint32_t id : state.disabledBuildings) {
    PutU32(&out, id);
    PutString(&out, "building", StringWidth::kWide);
  }
  PutStartDateAndSurroundings(&out, state);
  PutU32(&out, uint32_t(state.demands.size()));
  for (const Demand& demand : state.demands) PutDemand(&out, demand, state.paddingPerRecord);
  PutFiller(&out, 16);
  return out;
}

Bytes Compress(const Bytes& payload) {
  uLongf length = compressBound(uLong(payload.size()));
  Bytes out(length);
  if (compress2(out.data(), &length, payload.data(), uLong(payload.size()), Z_BEST_COMPRESSION) !=
      Z_OK)
    throw std::runtime_error("compress2 failed");
  out.resize(length);
  return out;
}

Bytes MakeScenarioFile(const ScenarioFile& file, std::vector<ChunkPlacement>* placements) {
  Bytes out;
  // Header.
  PutFiller(&out, 4);
  PutString(&out, file.title);
  PutString(&out, file.title, StringWidth::kWide);
  PutFiller(&out, 12);
  PutU32(&out, 2);
  for (int i = 0; i < 2; ++i) {
    PutString(&out, "author", i == 0 ? StringWidth::kNarrow : StringWidth::kWide);
    PutUnusedU32(&out);
  }
  PutString(&out, "Valdorum");
  PutString(&out, "scenario", StringWidth::kWide);
  PutFiller(&out, 8);
  PutU8(&out, file.optionFlag ? 1 : 0);
  PutFiller(&out, file.optionFlag ? 6 : 2);
  PutString(&out, "map");
  PutString(&out, "", StringWidth::kWide);
  PutFiller(&out, 4);
  PutString(&out, "version");
  PutFiller(&out, 4);
  // Chunk count and table.
  PutU32(&out, uint32_t(file.chunks.size()));
  for (const Chunk& chunk : file.chunks) PutU32(&out, chunk.type);
  // Directory.
  for (int i = 0; i < 10; ++i)
    PutString(&out, "directory", i % 3 == 0 ? StringWidth::kWide : StringWidth::kNarrow);
  PutU32(&out, file.directoryEntries);
  for (uint32_t i = 0; i < file.directoryEntries; ++i) {
    PutFiller(&out, 20);
    PutString(&out, "entry");
    PutString(&out, "kind", StringWidth::kWide);
    PutString(&out, "");
    PutU8(&out, 0);
    PutFiller(&out, 4);
    PutString(&out, "path");
  }
  PutFiller(&out, 4);
  // Chunks.
  for (const Chunk& chunk : file.chunks) {
    Bytes data = chunk.storeRaw ? chunk.rawData : Compress(chunk.payload);
    uint32_t inflatedLength =
        chunk.overrideInflatedLength ? chunk.inflatedLength : uint32_t(chunk.payload.size());
    PutU32(&out, chunk.type);
    PutU32(&out, chunk.overrideSize ? chunk.size : uint32_t(12 + data.size()));
    for (char c : chunk.magic) PutU8(&out, uint8_t(c));
    PutU32(&out, inflatedLength);
    PutU32(&out, 0);
    if (placements != nullptr)
      placements->push_back({chunk.type, out.size(), uint32_t(data.size()), inflatedLength});
    PutBytes(&out, data);
  }
  return out;
}

void WriteFileBytes(const std::string& path, const Bytes& bytes) {
  FILE* file = fopen(path.c_str(), "wb");
  if (file == nullptr || fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
      fclose(file) != 0)
    throw std::runtime_error("cannot write " + path);
}

}  // namespace scenario_writer
