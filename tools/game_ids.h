// The game's ids of goods, buildings and regions, looked up by their English names.
#pragma once

#include <cstdint>
#include <string>

uint32_t GoodId(const std::string& name);
uint32_t BuildingId(const std::string& name);
uint32_t RegionId(const std::string& name);
