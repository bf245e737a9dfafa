#include "shipped_scenarios.h"

#include "texts.h"

namespace lister {

namespace {

constexpr const char* kOriginalScenarios[] = {
    "Ostia.scn", "Pompeji.scn", "Aquileia.scn", "Brundisium.scn", "Massilia.scn",
};

constexpr const char* kKingdomCampaign[] = {
    "Rex_Alba.scn", "Rex_Veii.scn", "Rex_Gabii.scn", "Rex_Fidenae.scn", "Rex_Tusculum.scn",
};

constexpr const char* kRepublicCampaign[] = {
    "Capua.scn",     "Tarentum.scn",      "Neapolis.scn",
    "Syracusae.scn", "Carthago Nova.scn", "Corsica.scn",
    "Sardinia.scn",  "Numantia.scn",      "Gallia Cisalpina.scn",
    "Genua.scn",     "Ariminum.scn",      "Placentia.scn",
    "Via Appia.scn", "Cumae.scn",
};

constexpr const char* kEmpireCampaign[] = {
    "Londinium.scn",   "Lutetia.scn",    "Colonia.scn",          "Vindobona.scn", "Palmyra.scn",
    "Antiochia.scn",   "Alexandria.scn", "Leptis Magna.scn",     "Emerita.scn",   "Eboracum.scn",
    "Mogontiacum.scn", "Dacia.scn",      "Limes Germanicus.scn", "Aquincum.scn",
};

template <std::size_t N>
constexpr ShippedScenarioCategory Category(const char* name, const char* const (&files)[N]) {
  return {name, files, N};
}

bool IsInCategory(const ShippedScenarioCategory& category, const std::string& fileName) {
  for (std::size_t i = 0; i < category.fileCount; ++i)
    if (fileName == category.fileNames[i]) return true;
  return false;
}

}  // namespace

const ShippedScenarioCategory ShippedScenarios[4] = {
    Category("Original Szenario", kOriginalScenarios),
    Category("Königreich Kampagne", kKingdomCampaign),
    Category("Republik Kampagne", kRepublicCampaign),
    Category("Imperium Kampagne", kEmpireCampaign),
};

std::string ScenarioKind(const std::string& fileName) {
  for (const ShippedScenarioCategory& category : ShippedScenarios)
    if (IsInCategory(category, fileName)) return category.category;
  return german::kUserScenario;
}

bool IsLeftOutOfScenarioList(const std::string& fileName) {
  return IsInCategory(ShippedScenarios[1], fileName);
}

}  // namespace lister
