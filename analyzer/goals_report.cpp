#include "report.h"

#include "name_tables.h"

#include <cstdio>

namespace {

enum GoalKind : uint32_t {
  kStorageGoal = 0,
  kBuildingsGoal = 3,
  kRatingGoal = 4,
  kCityStateGoal = 5,
};

const char* const kComparisonSigns[] = {"<", "<=", "=", ">=", ">"};
const char* const kConditionNames[] = {"victory(OR)", "defeat", "victory(AND)"};
const char* const kRatingNames[] = {
    "(unused)",        "Dissatisfaction level", "Security level", "Culture rating",
    "Security rating", "Prosperity rating",     "Favor rating",   "City population",
};

template <size_t Count>
const char* NameByIndex(const char* const (&names)[Count], uint32_t index) {
  return index < Count ? names[index] : kUnknownName;
}

const char* NameOrUnknown(const char* name) { return name != nullptr ? name : kUnknownName; }

}  // namespace

void PrintGoal(PayloadReader* reader) {
  uint32_t kind = ReadU32(reader);
  uint32_t b = ReadU32(reader);
  uint32_t c = ReadU32(reader);
  int32_t d = int32_t(ReadU32(reader));
  uint32_t condition = ReadU32(reader);
  SkipString(reader);
  SkipString(reader);
  SkipString(reader);
  ReadByte(reader);
  uint32_t e = ReadU32(reader);
  SkipString(reader);

  printf("  Condition: %s\n", NameByIndex(kConditionNames, condition));
  switch (kind) {
    case kStorageGoal:
      printf("  %s %d %s in storage\n", NameByIndex(kComparisonSigns, c), d,
             NameOrUnknown(FindGoodName(e)));
      break;
    case kBuildingsGoal:
      printf("  %s %d %s in the city\n", NameByIndex(kComparisonSigns, c), d,
             NameOrUnknown(FindBuildingName(e)));
      break;
    case kRatingGoal:
      printf("  %s %s %d\n", NameByIndex(kRatingNames, b), NameByIndex(kComparisonSigns, c), d);
      break;
    case kCityStateGoal:
      printf("  City %d is %s\n", int32_t(b), c != 0 ? "active" : "inactive");
      break;
    default: printf("  Goal category not implemented (%d)\n", int32_t(kind)); break;
  }
}

void HandleGoalsChunk(const unsigned char* payload, int32_t length) {
  PayloadReader reader = MakePayloadReader(payload, length);
  SkipBytes(&reader, 8);
  for (int i = 0; i < 10; ++i) SkipString(&reader);
  uint32_t goalCount = ReadU32(&reader);
  if (goalCount == 0) {
    printf("Open play scenario\n");
    return;
  }
  printf("Number of goals: %d\n", int32_t(goalCount));
  for (uint32_t i = 0; i < goalCount; ++i) {
    printf("Goal %u:\n", i + 1);
    PrintGoal(&reader);
  }
}
