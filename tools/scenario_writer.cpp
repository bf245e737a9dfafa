#include "scenario_writer.h"

#include "payload_layout.h"

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
  PutFiller(out, kCityGapAfterType);
  PutFiller(out, kCityGapBeforeName);
  PutString(out, city.name);
  PutUnusedU32(out);
  PutU8(out, city.open ? 1 : 0);
  PutFiller(out, kCityGapAfterOpenFlag);
  PutString(out, city.name, StringWidth::kWide);
  PutString(out, PaddingText(padding, out->size()));
  PutFiller(out, kCityGapBeforeLastField);
  PutUnusedU32(out);
  if (city.type == 2) {
    PutString(out, "home");
    return;
  }
  if (city.type != 3) return;
  PutU32(out, city.overWater ? 1 : 0);
  PutFiller(out, kTradeCityGapAfterWaterFlag);
  PutUnusedU32(out);
  PutFiller(out, kTradeCityGapBeforeVisibleFlag);
  PutU8(out, city.visible ? 1 : 0);
  PutFiller(out, kTradeCityGapBeforeRouteKind);
  PutU32(out, city.routeKind);
  PutFiller(out, kTradeCityGapBeforeGoods);
  PutTradeGoods(out, city.sells);
  PutTradeGoods(out, city.buys);
  // The trade history: one outer entry holding two inner lists.
  PutU32(out, 1);
  PutFiller(out, kTradeHistoryLeadBytes);
  PutIdStringList(out, "history", kIdListEntryTailBytes);
  PutIdStringList(out, "prices", kIdListEntryTailBytes);
  PutFiller(out, kTradeHistoryTailBytes);
  PutU8(out, 1);
  PutU32(out, 2);
  PutFiller(out, 2 * kTradeCityPairBytes);
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
  PutFiller(out, kInvasionGapAfterTime);
  PutString(out, PaddingText(padding, out->size()));
  PutFiller(out, kInvasionTailBytes);
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
  PutFiller(out, kDemandTailFirstBytes);
  PutFiller(out, kDemandTailSecondBytes);
}

void PutStructureList(Bytes* out) {
  PutU32(out, 1);
  PutFiller(out, kStructureLeadBytes);
  PutString(out, "structure");
  PutFiller(out, kStructureGapAfterFirstString);
  PutString(out, "layer", StringWidth::kWide);
  PutFiller(out, kStructureGapAfterSecondString);
  PutString(out, "");
  PutFiller(out, kStructureGapAfterThirdString);
  PutString(out, "tile");
  PutFiller(out, kStructureTailBytes);
}

void PutRegionAndResync(Bytes* out, const ScenarioState& state) {
  for (uint32_t value : state.regionValues) PutU32(out, value);
  PutString(out, "climate");
  PutIdStringList(out, "festival", kIdListEntryTailBytes);
  PutFiller(out, kStateGapBetweenIdLists);
  PutIdStringList(out, "deity", kIdListEntryTailBytes);
  PutFiller(out, kStateGapBeforeMarker);
  PutU32(out, state.marker);
  if (state.marker != 1) {
    PutFiller(out, kStateBytesAfterPlainMarker);
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
  PutFiller(out, kStateGapAfterBuildingWords);
  PutCountedWords(out, 1);
  PutFiller(out, kStateGapBeforeSizedBlocks);
  // Sized blocks: a count above 1 is replaced by the value after it.
  PutU32(out, 2);
  if (state.endlessSizedBlocks) {
    PutU32(out, 0xFFFFFFFFu);
    return;
  }
  PutU32(out, 2);
  PutU32(out, 3);
  PutFiller(out, 3);
  PutU32(out, 5);
  PutFiller(out, 5);
  PutFiller(out, kStateGapAfterSizedBlocks);
  for (int i = 0; i < kStateNameLists; ++i) PutIdStringList(out, "name", 0);
  PutUnusedU32(out);
  PutString(out, "governor");
  PutFiller(out, kStateGapAfterGovernor);
  PutU8(out, 1);
  PutFiller(out, kStateBytesAfterSetFlag);
  PutFiller(out, kStateGapBeforeStartDate);
  PutU32(out, uint32_t(state.startYear));
  PutU32(out, state.startWeek);
  PutFiller(out, kStateGapAfterStartDate);
  PutIdStringList(out, "event", 0);
  for (int i = 0; i < 2; ++i) {
    const uint32_t words = 2;
    PutU32(out, words);
    PutFiller(out, kWordListGapAfterCount);
    PutFiller(out, 4 * words);
  }
  PutFiller(out, kStateGapBeforeDemands);
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
  PutFiller(&out, 12);  // the rest of the chunk, which the report does not read
  return out;
}

Bytes MakeGoalsPayload(const std::vector<Goal>& goals) {
  Bytes out;
  PutFiller(&out, kGoalsLeadBytes);
  for (int i = 0; i < kGoalsLeadStrings; ++i)
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
  PutFiller(&out, kStateLeadBytes);
  PutIdStringList(&out, "player", kIdListEntryTailBytes);
  PutU8(&out, state.hasEmpire ? 1 : 0);
  if (state.hasEmpire) {
    PutString(&out, "empire map");
    PutU32(&out, uint32_t(state.cities.size()));
    for (const City& city : state.cities) PutCity(&out, city, state.paddingPerRecord);
  }
  PutFiller(&out, kStateGapAfterEmpire);
  PutU32(&out, 1);
  PutUnusedU32(&out);
  PutString(&out, "walker");
  PutCountedWords(&out, 2);
  PutUnusedU32(&out);
  PutCountedWords(&out, 3);
  PutFiller(&out, kStateGapBeforeFigures);
  PutIdStringList(&out, "figure", kFigureListEntryTailBytes);
  PutFiller(&out, kStateGapBeforeInvasions);
  PutU32(&out, uint32_t(state.invasions.size()));
  for (const Invasion& invasion : state.invasions)
    PutInvasion(&out, invasion, state.paddingPerRecord);
  PutU32(&out, state.timePlayed);
  PutCountedWords(&out, 2);
  PutFiller(&out, kStateGapBeforeStructures);
  PutStructureList(&out);
  PutRegionAndResync(&out, state);
  PutU32(&out, uint32_t(state.disabledBuildings.size()));
  for (uint32_t id : state.disabledBuildings) {
    PutU32(&out, id);
    PutString(&out, "building", StringWidth::kWide);
  }
  PutStartDateAndSurroundings(&out, state);
  if (state.endlessSizedBlocks) return out;
  PutU32(&out, uint32_t(state.demands.size()));
  for (const Demand& demand : state.demands) PutDemand(&out, demand, state.paddingPerRecord);
  PutFiller(&out, 16);  // what follows the orders and requests, which the report does not read
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
  PutFiller(&out, kHeaderLeadBytes);
  PutString(&out, file.title);
  PutString(&out, file.title, StringWidth::kWide);
  PutFiller(&out, kHeaderGapAfterTitles);
  PutU32(&out, 2);
  for (int i = 0; i < 2; ++i) {
    PutString(&out, "author", i == 0 ? StringWidth::kNarrow : StringWidth::kWide);
    PutUnusedU32(&out);
  }
  PutString(&out, "Valdorum");
  PutString(&out, "scenario", StringWidth::kWide);
  PutFiller(&out, kHeaderGapBeforeOption);
  PutU8(&out, file.optionFlag ? 1 : 0);
  PutFiller(&out, file.optionFlag ? kHeaderOptionBytesWhenSet : kHeaderOptionBytesWhenClear);
  PutString(&out, "map");
  PutString(&out, "", StringWidth::kWide);
  PutFiller(&out, kHeaderGapBeforeLastString);
  PutString(&out, "version");
  PutFiller(&out, kHeaderEndBytes);
  // Chunk count and table.
  PutU32(&out, uint32_t(file.chunks.size()));
  for (const Chunk& chunk : file.chunks) PutU32(&out, chunk.type);
  // Directory.
  for (int i = 0; i < kDirectoryStrings; ++i)
    PutString(&out, "directory", i % 3 == 0 ? StringWidth::kWide : StringWidth::kNarrow);
  PutU32(&out, file.directoryEntries);
  for (uint32_t i = 0; i < file.directoryEntries; ++i) {
    PutFiller(&out, kDirectoryEntryLeadBytes);
    PutString(&out, "entry");
    PutString(&out, "kind", StringWidth::kWide);
    PutString(&out, "");
    PutU8(&out, 0);
    PutFiller(&out, kDirectoryEntryGapAfterFlag);
    PutString(&out, "path");
  }
  PutFiller(&out, kDirectoryEndBytes);
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
