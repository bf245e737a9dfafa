// The main window TMain: the scenario list on the left, the page control with
// five tabs on the right, and the nested trade tabs.
#include <iterator>

#include "layout.h"

namespace lister {
namespace {

using K = ControlKind;

// clang-format off
constexpr ControlRow kControls[] = {
    // The window itself.
    {"Image1", nullptr, K::Picture, {8, 8, 278, 75}, "BANNER", 0},
    {"SCNName", nullptr, K::Label, {292, 28, 510, 33}, "SCNName", kCentred},
    {"SCNFilesList", nullptr, K::ListBox, {8, 89, 193, 450}, nullptr, 0},
    {"PG1", nullptr, K::PageControl, {207, 89, 595, 450}, nullptr, 0},
    {"OpenAbout", nullptr, K::Button, {8, 545, 28, 35}, "?", 0},
    {"Katalog", nullptr, K::Button, {42, 545, 90, 35}, "Katalog", 0},
    {"Beenden", nullptr, K::Button, {632, 545, 170, 35}, "Beenden", 0},
    {"Dummy", nullptr, K::FileList, {8, 476, 161, 17}, "*.scn", kHidden},

    // The tabs of PG1.
    {"TabZiele", "PG1", K::Sheet, {}, "Ziele", 0},
    {"TabHandel", "PG1", K::Sheet, {}, "Handel", 0},
    {"TabMilitaer", "PG1", K::Sheet, {}, "Militär", 0},
    {"TabKarte", "PG1", K::Sheet, {}, "Karte", 0},
    {"TabText", "PG1", K::Sheet, {}, "Text", 0},

    // "Ziele": the summary of the scenario.
    {"ScnStatusInfo", "TabZiele", K::Label, {8, 19, 175, 26}, "SCNStatusInfo", kCentred},
    {"MapLocationInfo", "TabZiele", K::Label, {438, 19, 145, 26}, "MapLocationInfo", kCentred},
    {"Shape1", "TabZiele", K::Shape, {8, 51, 575, 3}, nullptr, 0},
    {"AllgemeinLabel", "TabZiele", K::Label, {18, 61, 230, 25}, "Allgemein", kCentred},
    {"ZielInfo", "TabZiele", K::Label, {335, 61, 157, 25}, "Szenarioziele", kCentred},
    {"MilitaryRequestsLabel", "TabZiele", K::Label, {18, 100, 160, 21}, "Militäranforderungen ", 0},
    {"MilitaryRequestsInfo", "TabZiele", K::Label, {193, 100, 50, 21}, "0", kCentred},
    {"MilitaryInvasionsLabel", "TabZiele", K::Label, {18, 131, 160, 21}, "Invasionen", 0},
    {"MilitaryInvasionsInfo", "TabZiele", K::Label, {193, 131, 50, 21}, "0", kCentred},
    {"NatureEventsLabel", "TabZiele", K::Label, {18, 159, 160, 21}, "Naturereignisse", 0},
    {"NatureEventsInfo", "TabZiele", K::Label, {193, 159, 50, 21}, "nein", kCentred},
    {"WagePlebejerLabel", "TabZiele", K::Label, {18, 189, 160, 21}, "Lohnänderung Plebejer", 0},
    {"WagePlebejerInfo", "TabZiele", K::Label, {193, 189, 50, 21}, "WagePlebejerInfo", kCentred},
    {"WageEquitesLabel", "TabZiele", K::Label, {18, 220, 160, 21}, "Lohnänderung Equites", 0},
    {"WageEquitesInfo", "TabZiele", K::Label, {193, 220, 50, 21}, "WageEquitesInfo", kCentred},
    {"TradeRequestsLabel", "TabZiele", K::Label, {18, 252, 160, 21}, "Warenanforderungen", 0},
    {"TradeRequestsInfo", "TabZiele", K::Label, {193, 252, 50, 21}, "TradeRequestsInfo", kCentred},
    {"CitiesCountLabel", "TabZiele", K::Label, {18, 284, 160, 21}, "Anzahl der Städte", 0},
    {"CitiesCountInfo", "TabZiele", K::Label, {193, 284, 50, 21}, "CitiesCountInfo", kCentred},
    {"CultureLabel", "TabZiele", K::Label, {335, 100, 99, 21}, "Kultur", 0},
    {"CultureInfo", "TabZiele", K::Label, {443, 100, 49, 21}, "CultureInfo", kCentred},
    {"SecurityLabel", "TabZiele", K::Label, {335, 131, 99, 21}, "Sicherheit", 0},
    {"SecurityInfo", "TabZiele", K::Label, {443, 131, 49, 21}, "SecurityInfo", kCentred},
    {"ProsperityLabel", "TabZiele", K::Label, {335, 159, 99, 21}, "Wohlstand", 0},
    {"ProsperityInfo", "TabZiele", K::Label, {443, 159, 49, 21}, "ProsperityInfo", kCentred},
    {"FavorLabel", "TabZiele", K::Label, {335, 189, 99, 21}, "Ansehen", 0},
    {"FavorInfo", "TabZiele", K::Label, {443, 189, 49, 21}, "FavorInfo", kCentred},
    {"PopulationLabel", "TabZiele", K::Label, {335, 220, 99, 21}, "Bevölkerung", 0},
    {"PopulationInfo", "TabZiele", K::Label, {443, 220, 49, 21}, "PopulationInfo", kCentred},
    {"ZielNoteInfo", "TabZiele", K::Label, {307, 264, 282, 144}, "ZielNoteInfo",
     kCentred | kTopAligned | kWrapWords},

    // "Handel": the nested page control, larger than its tab, so cut off.
    {"PGHandel", "TabHandel", K::PageControl, {0, 0, 681, 417}, nullptr, 0},
    {"TabWarenhandel", "PGHandel", K::Sheet, {}, "Warenhandel", 0},
    {"TabForderungen", "PGHandel", K::Sheet, {}, "Forderungen", 0},
    {"PGRessourcen", "PGHandel", K::Sheet, {}, "Ressourcen", 0},

    // "Warenhandel": the cities and their trade.
    {"CityList", "TabWarenhandel", K::ListBox, {3, 3, 201, 377}, "CityList", 0},
    {"CityTypeLabel", "TabWarenhandel", K::Label, {228, 22, 107, 24}, "Stadtstatus", 0},
    {"CityType", "TabWarenhandel", K::Label, {341, 21, 174, 25}, "CityType", kShadowBackground},
    {"TradeRouteTypeLabel", "TabWarenhandel", K::Label, {228, 52, 107, 24}, "Handelsroute", 0},
    {"TradeRouteType", "TabWarenhandel", K::Label, {341, 52, 174, 25}, "TradeRouteType",
     kShadowBackground},
    {"TradeRouteStatusLabel", "TabWarenhandel", K::Label, {228, 84, 107, 24}, "Status", 0},
    {"TradeRouteStatus", "TabWarenhandel", K::Label, {341, 83, 174, 25}, "TradeRouteStatus",
     kShadowBackground},
    {"CitySellsLabel", "TabWarenhandel", K::Label, {228, 124, 107, 32}, "verkauft", 0},
    {"CityBuyLabel", "TabWarenhandel", K::Label, {228, 252, 107, 32}, "kauft", 0},
    {"Label1", "TabWarenhandel", K::Label, {309, 124, 15, 32}, "1", 0},
    {"SellWare1Picture", "TabWarenhandel", K::Picture, {333, 124, 32, 32}, nullptr, 0},
    {"SellWare1Count", "TabWarenhandel", K::Label, {372, 124, 30, 32}, "SellWare1Count", kCentred},
    {"SellWare1Name", "TabWarenhandel", K::Label, {415, 124, 100, 32}, "SellWare1Name", 0},
    {"Label2", "TabWarenhandel", K::Label, {309, 162, 15, 32}, "2", 0},
    {"SellWare2Picture", "TabWarenhandel", K::Picture, {333, 162, 32, 32}, nullptr, 0},
    {"SellWare2Count", "TabWarenhandel", K::Label, {372, 162, 30, 32}, "SellWare2Count", kCentred},
    {"SellWare2Name", "TabWarenhandel", K::Label, {415, 162, 100, 32}, "SellWare2Name", 0},
    {"Label3", "TabWarenhandel", K::Label, {309, 200, 15, 32}, "3", 0},
    {"SellWare3Picture", "TabWarenhandel", K::Picture, {333, 200, 32, 32}, nullptr, 0},
    {"SellWare3Count", "TabWarenhandel", K::Label, {372, 200, 30, 32}, "SellWare3Count", kCentred},
    {"SellWare3Name", "TabWarenhandel", K::Label, {415, 200, 100, 32}, "SellWare3Name", 0},
    {"Label4", "TabWarenhandel", K::Label, {309, 252, 15, 32}, "1", 0},
    {"BuyWare1Picture", "TabWarenhandel", K::Picture, {333, 252, 32, 32}, nullptr, 0},
    {"BuyWare1Count", "TabWarenhandel", K::Label, {372, 252, 30, 32}, "BuyWare1Count", kCentred},
    {"BuyWare1Name", "TabWarenhandel", K::Label, {415, 252, 100, 32}, "BuyWare1Name", 0},
    {"Label5", "TabWarenhandel", K::Label, {310, 290, 15, 32}, "2", 0},
    {"BuyWare2Picture", "TabWarenhandel", K::Picture, {333, 290, 32, 32}, nullptr, 0},
    {"BuyWare2Count", "TabWarenhandel", K::Label, {373, 290, 30, 32}, "BuyWare2Count", kCentred},
    {"BuyWare2Name", "TabWarenhandel", K::Label, {415, 290, 100, 32}, "BuyWare2Name", 0},
    {"Label6", "TabWarenhandel", K::Label, {311, 328, 15, 32}, "3", 0},
    {"BuyWare3Picture", "TabWarenhandel", K::Picture, {333, 328, 32, 32}, nullptr, 0},
    {"BuyWare3Count", "TabWarenhandel", K::Label, {374, 328, 30, 32}, "BuyWare3Count", kCentred},
    {"BuyWare3Name", "TabWarenhandel", K::Label, {415, 328, 100, 32}, "BuyWare3Name", 0},

    // "Forderungen": orders and requests, all on one panel.
    {"REQPanel", "TabForderungen", K::Panel, {3, 3, 580, 369}, nullptr, 0},
    {"REQList", "REQPanel", K::ListBox, {0, 0, 201, 377}, "REQList", 0},
    {"REQWarePicture", "REQPanel", K::Picture, {223, 21, 32, 32}, nullptr, 0},
    {"REQWareCount", "REQPanel", K::Label, {278, 21, 90, 31}, "REQWareCount", kCentred},
    {"REQWareName", "REQPanel", K::Label, {398, 21, 135, 31}, "REQWareName", kCentred},
    {"REQStartLabel", "REQPanel", K::Label, {215, 66, 130, 32}, "Start nach", 0},
    {"REQTime", "REQPanel", K::Label, {351, 66, 220, 32}, "REQTime", 0},
    {"REQComplyLabel", "REQPanel", K::Label, {215, 96, 130, 32}, "Frist", 0},
    {"REQComply", "REQPanel", K::Label, {351, 96, 220, 32}, "REQComply", 0},
    {"REQRecursLabel", "REQPanel", K::Label, {215, 124, 130, 32}, "Wiederholung", 0},
    {"REQRecurs", "REQPanel", K::Label, {351, 124, 220, 32}, "REQRecurs", 0},
    {"REQRewardLabel", "REQPanel", K::Label, {215, 154, 130, 32}, "erfüllt", 0},
    {"REQReward", "REQPanel", K::Label, {351, 154, 220, 32}, "REQReward", 0},
    {"REQPenaltyLabel", "REQPanel", K::Label, {215, 184, 130, 32}, "nicht erfüllt", 0},
    {"REQPenalty", "REQPanel", K::Label, {351, 184, 220, 32}, "REQPenalty", 0},
    {"REQShortText", "REQPanel", K::Label, {215, 222, 358, 31}, "Forderungstext", 0},
    {"REQText", "REQPanel", K::Label, {215, 248, 333, 121}, "REQForderungstext",
     kTopAligned | kWrapWords},

    // "Militär": invasions and military requests.
    {"Invasionen", "TabMilitaer", K::RichText, {3, 3, 286, 400}, "Invasionen",
     kReadOnly | kVerticalScrollBar},
    {"Anforderungen", "TabMilitaer", K::RichText, {295, 3, 286, 400}, "Anforderungen",
     kReadOnly | kVerticalScrollBar},

    // "Karte": the scenario picture and the map facts.
    {"ScnPicture", "TabKarte", K::Picture, {192, 14, 380, 379}, "MAPPLACEHOLDER", 0},
    {"MapSizeInfo", "TabKarte", K::Label, {3, 16, 170, 26}, "MapSizeInfo", kCentred},
    {"MapLocationInfo2", "TabKarte", K::Label, {3, 48, 170, 26}, "MapLocationInfo", kCentred},

    // "Text": the overview, which the player may edit (nothing is saved).
    {"Story", "TabText", K::RichText, {16, 11, 553, 380}, "Story",
     kNoBorder | kButtonFaceBackground | kVerticalScrollBar},
};
// clang-format on

constexpr TabSize kTabSizes[] = {
    {"PG1", 118, 30},
    {"PGHandel", 195, 30},
};

constexpr const char* kFocusOrder[] = {"Beenden", "OpenAbout", "SCNFilesList",
                                       "Dummy",   "PG1",       "Katalog"};

}  // namespace

const WindowLayout kMainLayout = {
    810,         585,
    kControls,   std::size(kControls),
    kTabSizes,   std::size(kTabSizes),
    kFocusOrder, std::size(kFocusOrder),
};

const FontSize kMainFontSizes[4] = {
    {"SCNName", 16},
    {"ScnStatusInfo", 14},
    {"MapSizeInfo", 12},
    {"MapLocationInfo", 12},
};

}  // namespace lister
