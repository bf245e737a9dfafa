#include "katalog_start.h"

#include <gtest/gtest.h>

namespace lister {
namespace {

TEST(KatalogStart, ElevatedOnWindowsOnlyThroughTheShell) {
  constexpr KatalogStart D = KatalogStart::Direct, S = KatalogStart::ThroughShell,
                         R = KatalogStart::Refused;
  struct Case {
    bool underWine, elevated, shellWindowRuns;
    KatalogStart expected;
  };
  const Case cases[] = {
      {true, true, true, D},   {true, true, false, D},  {true, false, true, D},
      {true, false, false, D}, {false, false, true, D}, {false, false, false, D},
      {false, true, true, S},  {false, true, false, R},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseKatalogStart({c.underWine, c.elevated, c.shellWindowRuns}), c.expected)
        << "Wine " << c.underWine << ", elevated " << c.elevated << ", shell " << c.shellWindowRuns;
  }
}

}  // namespace
}  // namespace lister
