#include "dpi.h"

namespace lister {

int SystemDpi() {
  static const int dpi = [] {
    HDC screen = GetDC(nullptr);
    int value = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return value > 0 ? value : 96;
  }();
  return dpi;
}

int ScaleToDpi(int pixelsAt96) { return MulDiv(pixelsAt96, SystemDpi(), 96); }

RECT ScaleRect(const Rect& rect) {
  int left = ScaleToDpi(rect.left);
  int top = ScaleToDpi(rect.top);
  return RECT{left, top, left + ScaleToDpi(rect.width), top + ScaleToDpi(rect.height)};
}

int FontHeightForPoints(int points) { return -MulDiv(points, SystemDpi(), 72); }

}  // namespace lister
