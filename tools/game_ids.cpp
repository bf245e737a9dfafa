#include "game_ids.h"

#include "name_tables.h"

#include <stdexcept>

namespace {

uint32_t FindId(const NameEntry* table, int count, const std::string& name) {
  for (int i = 0; i < count; ++i)
    if (name == table[i].name) return table[i].id;
  throw std::invalid_argument("no id for " + name);
}

}  // namespace

uint32_t GoodId(const std::string& name) { return FindId(GoodsNames, GoodsNameCount, name); }

uint32_t BuildingId(const std::string& name) {
  return FindId(BuildingNames, BuildingNameCount, name);
}

uint32_t RegionId(const std::string& name) { return FindId(RegionNames, RegionNameCount, name); }
