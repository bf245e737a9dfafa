#include "text_util.h"

#include <gtest/gtest.h>

namespace lister {
namespace {

TEST(TextUtil, PositionsCountCharactersNotBytes) {
  EXPECT_EQ(Pos("x", "ÖlxÖ"), 3);
  EXPECT_EQ(Copy("Olivenöl und mehr", 6, 3), "nöl");
  EXPECT_EQ(CharLength("Olivenöl"), 8);
  EXPECT_EQ(CopyFrom("Grün: 3", 6), " 3");
}

TEST(TextUtil, CopyPastTheEndGivesWhatIsThere) {
  EXPECT_EQ(Copy("Map size: 2", 10, 4), " 2");
  EXPECT_EQ(Copy("abc", 4, 2), "");
  EXPECT_EQ(Copy("abc", 0, 2), "ab");
  EXPECT_EQ(PosFrom("a", "banana", 3), 4);
  EXPECT_EQ(PosFrom("a", "banana", 7), 0);
}

TEST(TextUtil, TrimRemovesBlanksAndControlCharacters) {
  EXPECT_EQ(Trim(" \t 12\r\n"), "12");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("ä b"), "ä b");
}

TEST(TextUtil, ReplaceIgnoresCase) {
  EXPECT_EQ(ReplaceAllIgnoreCase("1 Weeks, 2 WEEKS", "weeks", "Wochen"), "1 Wochen, 2 Wochen");
  EXPECT_EQ(ReplaceAllIgnoreCase("a\\N\\nb", "\\n", "|"), "a||b");
}

TEST(TextUtil, WholeNumbersOnly) {
  int v = 0;
  EXPECT_TRUE(TryParseInt("  -12", v));
  EXPECT_EQ(v, -12);
  EXPECT_TRUE(TryParseInt("+7", v));
  EXPECT_EQ(v, 7);
  EXPECT_FALSE(TryParseInt("12 ", v));
  EXPECT_FALSE(TryParseInt("", v));
  EXPECT_FALSE(TryParseInt("-", v));
  EXPECT_FALSE(TryParseInt("Leer", v));
  EXPECT_FALSE(TryParseInt("99999999999", v));
  EXPECT_TRUE(TryParseInt("-2147483648", v));
  EXPECT_EQ(ParseIntOr("x", 96), 96);
  EXPECT_THROW(ParseInt("1a"), ConversionError);
}

TEST(TextUtil, LinesOutsideTheListHoldNothing) {
  std::vector<std::string> lines{"a", "b"};
  EXPECT_EQ(LineAt(lines, -1), "");
  EXPECT_EQ(LineAt(lines, 1), "b");
  EXPECT_EQ(LineAt(lines, 2), "");
}

}  // namespace
}  // namespace lister
