#include "report.h"

#include "name_tables.h"
#include "payload_layout.h"

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
  SkipBytes(reader, kDemandTailFirstBytes);
  SkipBytes(reader, kDemandTailSecondBytes);
  return demand;
}

void PrintDemand(const Demand& demand, ReportWriter* out) {
  const char* goods = FindGoodName(demand.goodsId);
  Print(out, demand.isRequest ? "Request" : "Order", " for ", demand.amount, " ",
        goods != nullptr ? goods : kUnknownName, "\n");
  Print(out, demand.isRequest ? "  Time of request : " : "  Time of order   : ");
  PrintDuration(out, demand.timeMade);
  Print(out, "\n  Time to comply  : ");
  PrintDuration(out, demand.timeToComply);
  if (demand.recurrence != 0) {
    Print(out, "\n  Recurs every    : ");
    PrintDuration(out, demand.recurrence);
  }
  Print(out, "\n");
  // A request always names its reward and an order its penalty; the other only when it is set.
  if (demand.isRequest || demand.favorReward != 0)
    Print(out, "  Favor reward    : ", demand.favorReward, "\n");
  if (!demand.isRequest || demand.favorPenalty != 0)
    Print(out, "  Favor penalty   : ", demand.favorPenalty, "\n");
}

}  // namespace

void PrintOrdersAndRequests(PayloadReader* reader, ReportWriter* out) {
  uint32_t count = ReadU32(reader);
  if (count == 0) {
    Print(out, "No orders or requests\n\n");
    return;
  }
  Print(out, "Number of orders and requests: ", int32_t(count), "\n");
  for (uint32_t i = 0; i < count; ++i) {
    // The whole entry is read first: one cut short prints nothing of itself.
    Demand demand = ReadDemand(reader);
    Print(out, i, ": ");
    PrintDemand(demand, out);
  }
  Print(out, "\n");
}
