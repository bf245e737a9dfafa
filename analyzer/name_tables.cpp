#include "name_tables.h"

#include <cstddef>

namespace {

// Names are printed exactly as they stand: the lister looks them up by their text.
// clang-format off
const NameEntry kGoodsNames[] = {
    {1348628182u, "Grain"},
    {2967844317u, "Vegetables"},
    {2764613952u, "Meat"},
    {1331373901u, "Olives"},
    {1007289985u, "Grapes"},
    {145488062u, "Wool"},
    {3596959816u, "Timber"},
    {2151352486u, "Clay"},
    {1466357651u, "Sand"},
    {3369121695u, "Iron"},
    {1507784811u, "Gold"},
    {344560466u, "Marble"},
    {914632937u, "Clothing"},
    {2549526387u, "Glass"},
    {1044715582u, "Olive Oil"},
    {2351366620u, "Pottery"},
    {1910598469u, "Furniture"},
    {33769629u, "Jewelry"},
    {2541256176u, "Utensils"},
    {162559990u, "Wine"},
    {1775819926u, "Armor"},
    {2745466944u, "Weapons"},
    {2583752214u, "Amber"},
    {3088271607u, "Cosmetics"},
    {3265779735u, "Furs"},
    {1929646242u, "Honey"},
    {2092154738u, "Incense"},
    {4148406524u, "Ivory"},
    {612996257u, "Papyrus"},
    {3048080871u, "Perfume"},
    {1499913065u, "Salt"},
    {2038076766u, "Silk"},
    {3922386302u, "Silphium"},
    {3382072500u, "Spices"},
    {2166136261u, "Denarii"},
};
// clang-format on

// clang-format off
const NameEntry kRegionNames[] = {
    {1345710205u, "Southern Europe"},
    {2923251459u, "Northern Europe"},
    {1987399284u, "North Africa"},
    {3015284903u, "Asia"},
    {1850388778u, "Desert"},
};
// clang-format on

// clang-format off
const NameEntry kBuildingNames[] = {
    {4230496239u, "Small Insula"},
    {4230496236u, "Medium Insula"},
    {4230496237u, "Large Insula"},
    {1191931236u, "Small Domus"},
    {1191931239u, "Medium Domus"},
    {1191931238u, "Large Domus"},
    {3212355018u, "Patrician home unocc."},
    {2155623421u, "Patrician home 1"},
    {2155623422u, "Patrician home 2"},
    {2155623423u, "Patrician home 3"},
    {2155623416u, "Patrician home 4"},
    {2155623417u, "Patrician home 5"},
    {2155623418u, "Patrician home 6"},
    {2155623419u, "Patrician home 7"},
    {2155623412u, "Patrician home 8"},
    {2155623413u, "Patrician home 9"},
    {644454067u, "Grain Field"},
    {1445044251u, "Vegetable Field"},
    {787957680u, "Cattle Pasture"},
    {3131363777u, "Sheep Pasture"},
    {3721510578u, "Olive Grove"},
    {1331240876u, "Grape Vineyard"},
    {1024459308u, "Grain Farm"},
    {3627491292u, "Vegetable Farm"},
    {523986863u, "Cattle Farm"},
    {3902745514u, "Sheep Farm"},
    {2764141607u, "Olive Farm"},
    {2055138092u, "Grape Farm"},
    {2921956060u, "Clay Digging camp"},
    {2893244409u, "Sand Collecting camp"},
    {2219568558u, "Timber Cutting camp"},
    {3611058999u, "Marble Quarry camp"},
    {4144193965u, "Iron Mining camp"},
    {3378331165u, "Gold Mining camp"},
    {53424608u, "Clothing Factory"},
    {1978433312u, "Glass Factory"},
    {1612922117u, "Olive Oil Factory"},
    {2981603139u, "Pottery Factory"},
    {4141955746u, "Furniture Factory"},
    {1447919838u, "Jewelry Factory"},
    {2740308021u, "Utensils Factory"},
    {3996303975u, "Wine Factory"},
    {4008131657u, "Armor Factory"},
    {3033296579u, "Weapons Factory"},
    {2650780938u, "Food Market"},
    {4080769013u, "Basic Goods Market"},
    {3481445577u, "Luxury Market"},
    {409512944u, "Exotic Market"},
    {2208263844u, "Granary"},
    {3283410425u, "Warehouse"},
    {2699955284u, "Trade Depot"},
    {121903601u, "Trade Port"},
    {1723648945u, "Barber Shop"},
    {316183286u, "Bathhouse"},
    {1237037789u, "Clinic"},
    {1516243483u, "Hospital"},
    {2388054005u, "School"},
    {4184900474u, "Library"},
    {1847089959u, "Jupiter Shrine"},
    {232129247u, "Mars Shrine"},
    {4106248043u, "Mercury Shrine"},
    {269474370u, "Ceres Shrine"},
    {1771696579u, "Bacchus Shrine"},
    {3430831801u, "Jupiter Temple"},
    {2573855973u, "Mars Temple"},
    {141850481u, "Mercury Temple"},
    {1059266560u, "Ceres Temple"},
    {3381242301u, "Bacchus Temple"},
    {2282238187u, "Odeum"},
    {2935826440u, "Theater"},
    {2238935830u, "Arena"},
    {3256433756u, "Coliseum"},
    {34547404u, "Circus"},
    {2628095027u, "Actor Guild"},
    {3299404415u, "Gladiator Guild"},
    {3624635720u, "Trainer Guild"},
    {1605638816u, "Charioteer Guild"},
    {822608334u, "Pump House"},
    {3309639472u, "Reservoir"},
    {737821672u, "Aqueduct"},
    {2605291728u, "Well"},
    {1543137204u, "Fountain"},
    {1756294895u, "Bridge"},
    {3132552279u, "Ship Bridge"},
    {1236924993u, "Engineering Office"},
    {1837989932u, "Prefect Office"},
    {3873134152u, "Tax Office"},
    {3925638871u, "Governor's Villa"},
    {887815407u, "Governor's Mansion"},
    {4052642411u, "Governor's Estate"},
    {3074639004u, "Forum"},
    {654500583u, "Basilica"},
    {3014276837u, "Gate House"},
    {2802085040u, "Tower"},
    {1983032781u, "Mess Hall"},
    {765296478u, "Recruitment Post"},
    {3651605473u, "Drill yard"},
    {2970964966u, "Light Infantry"},
    {2827518697u, "Heavy Infantry"},
    {1594890812u, "Missile Auxilia"},
    {3866415282u, "Cavalry Auxilia"},
    {3313979948u, "Bust"},
    {3313979951u, "Standing Statue"},
    {3313979950u, "Huntsman Statue"},
    {3313979945u, "Horseman Statue"},
    {3313979944u, "Chariot Statue"},
    {3313979947u, "Winged Charioteer"},
    {4057458689u, "Obelisk"},
    {2525681766u, "Garden"},
    {2657882341u, "Small Hedgerow"},
    {866694093u, "Large Hedgerow"},
    {3529188729u, "Small Hedge"},
    {3465990705u, "Large Hedge"},
    {4093643706u, "Small Bush"},
    {2236376158u, "Large Bush"},
    {1531771296u, "Small Tree"},
    {512342566u, "Medium Tree"},
    {3109482632u, "Large Tree"},
};
// clang-format on

template <size_t Count>
const char* FindName(const NameEntry (&table)[Count], uint32_t id) {
  for (const NameEntry& entry : table)
    if (entry.id == id) return entry.name;
  return nullptr;
}

}  // namespace

const char kUnknownName[] = "(unknown)";

const NameEntry* GoodsNames = kGoodsNames;
const int GoodsNameCount = sizeof kGoodsNames / sizeof kGoodsNames[0];
const NameEntry* RegionNames = kRegionNames;
const int RegionNameCount = sizeof kRegionNames / sizeof kRegionNames[0];
const NameEntry* BuildingNames = kBuildingNames;
const int BuildingNameCount = sizeof kBuildingNames / sizeof kBuildingNames[0];

const char* FindGoodName(uint32_t id) { return FindName(kGoodsNames, id); }

const char* FindRegionName(uint32_t id) { return FindName(kRegionNames, id); }

const char* FindBuildingName(uint32_t id) { return FindName(kBuildingNames, id); }
