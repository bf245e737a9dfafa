#include "report.h"

#include "name_tables.h"

#include <cstdio>

namespace {

struct Demand {
  bool isRequest;
  uint32_t timeMade;
  uint32_t timeToComply;
  uint32_t recurrence;  // 0: made once
  int32_t favorReward;
  int32_t favorPenalty;
  uint32_t goodsId;
  int32_t amount;
};

Demand ReadDemand(PayloadReader* reader) {
  Demand demand;
  SkipString(reader);
  demand.isRequest = ReadByte(reader) != 0;
  demand.timeMade = ReadU32(reader);
  demand.timeToComply = ReadU32(reader);
  demand.recurrence = ReadU32(reader);
  SkipString(reader);
  SkipString(reader);
  SkipString(reader);
  ReadU32(reader);
  demand.favorReward = int32_t(ReadU32(reader));
  demand.favorPenalty = int32_t(ReadU32(reader));
  ReadU32(reader);
  SkipString(reader);
  demand.goodsId = ReadU32(reader);
  SkipString(reader);
  demand.amount = int32_t(ReadU32(reader));
  SkipBytes(reader, 16);
  SkipBytes(reader, 22);
  return demand;
}

void PrintDemand(const Demand& demand) {
  const char* goods = FindGoodName(demand.goodsId);
  printf("%s for %d %s\n", demand.isRequest ? "Request" : "Order", demand.amount,
         goods != nullptr ? goods : kUnknownName);
  printf(demand.isRequest ? "  Time of request : " : "  Time of order   : ");
  PrintDuration(demand.timeMade);
  printf("\n  Time to comply  : ");
  PrintDuration(demand.timeToComply);
  if (demand.recurrence != 0) {
    printf("\n  Recurs every    : ");
    PrintDuration(demand.recurrence);
  }
  printf("\n");
  // A request always names its reward and an order its penalty; the other only when it is set.
  if (demand.isRequest || demand.favorReward != 0)
    printf("  Favor reward    : %d\n", demand.favorReward);
  if (!demand.isRequest || demand.favorPenalty != 0)
    printf("  Favor penalty   : %d\n", demand.favorPenalty);
}

}  // namespace

void PrintOrdersAndRequests(PayloadReader* reader) {
  uint32_t count = ReadU32(reader);
  if (count == 0) {
    printf("No orders or requests\n\n");
    return;
  }
  printf("Number of orders and requests: %d\n", int32_t(count));
  for (uint32_t i = 0; i < count; ++i) {
    printf("%u: ", i);
    PrintDemand(ReadDemand(reader));
  }
  printf("\n");
}
