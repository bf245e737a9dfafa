// The layout is given in pixels at 96 dpi; on denser displays every rectangle
// and font grows with the system dpi so the window keeps its proportions.
#pragma once

#include <windows.h>

#include "view.h"

namespace lister {

int SystemDpi();
int ScaleToDpi(int pixelsAt96);
RECT ScaleRect(const Rect& rect);
// The font height (negative: character height) of a size in points.
int FontHeightForPoints(int points);

}  // namespace lister
