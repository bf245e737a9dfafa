// The about box TAboutForm: two columns of labels and the button below.
#include <iterator>

#include "layout.h"

namespace lister {
namespace {

using K = ControlKind;

// clang-format off
constexpr ControlRow kControls[] = {
    {"CreditLabel", nullptr, K::Label, {111, 8, 150, 41}, "Die Kartenleser", kCentred},
    {"AnalyzerLabel", nullptr, K::Label, {8, 55, 97, 41}, "analyzer.exe", kCentred},
    {"AuthorLabel", nullptr, K::Label, {111, 55, 150, 41}, "Kartenwerkstatt Z7", kCentred},
    {"YearsLabel", nullptr, K::Label, {8, 112, 97, 41}, "2014 – 2017", kCentred},
    {"Versionslabel", nullptr, K::Label, {111, 112, 150, 41}, LISTER_VERSION_TEXT, kCentred},
    {"CloseAbout", nullptr, K::Button, {8, 176, 253, 25}, "OK", 0},
};
// clang-format on

constexpr const char* kFocusOrder[] = {"CloseAbout"};

}  // namespace

const WindowLayout kAboutLayout = {
    267, 211, kControls, std::size(kControls), nullptr, 0, kFocusOrder, std::size(kFocusOrder),
};

}  // namespace lister
