#include "report.h"

#include "name_tables.h"
#include "payload_layout.h"

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

void PrintGoal(PayloadReader* reader, ReportWriter* out) {
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

  Print(out, "  Condition: ", NameByIndex(kConditionNames, condition), "\n");
  switch (kind) {
    case kStorageGoal:
      Print(out, "  ", NameByIndex(kComparisonSigns, c), " ", d, " ",
            NameOrUnknown(FindGoodName(e)), " in storage\n");
      break;
    case kBuildingsGoal:
      Print(out, "  ", NameByIndex(kComparisonSigns, c), " ", d, " ",
            NameOrUnknown(FindBuildingName(e)), " in the city\n");
      break;
    case kRatingGoal:
      Print(out, "  ", NameByIndex(kRatingNames, b), " ", NameByIndex(kComparisonSigns, c), " ", d,
            "\n");
      break;
    case kCityStateGoal:
      Print(out, "  City ", int32_t(b), " is ", c != 0 ? "active" : "inactive", "\n");
      break;
    default: Print(out, "  Goal category not implemented (", int32_t(kind), ")\n"); break;
  }
}

void HandleGoalsChunk(const ChunkPayload& payload, ReportWriter* out) {
  PayloadReader reader = MakePayloadReader(payload);
  SkipBytes(&reader, kGoalsLeadBytes);
  for (int i = 0; i < kGoalsLeadStrings; ++i) SkipString(&reader);
  uint32_t goalCount = ReadU32(&reader);
  if (goalCount == 0) {
    Print(out, "Open play scenario\n");
    return;
  }
  Print(out, "Number of goals: ", int32_t(goalCount), "\n");
  for (uint32_t i = 0; i < goalCount; ++i) {
    Print(out, "Goal ", i + 1, ":\n");
    PrintGoal(&reader, out);
  }
}
