// The "Forderungen" page: the scenario's orders and requests for goods.
#pragma once

#include "state.h"
#include "view.h"

namespace lister {

// Fills `REQList` with "Forderung 0" onwards and `TradeRequestsInfo` with the
// count, and shows `REQPanel`; a report without orders or requests hides the
// panel and clears pages.hasRequests. ShowRequest (pages.h) shows an entry.
void FillRequestList(View& view, const ScenarioState& state, PageState& pages);

}  // namespace lister
