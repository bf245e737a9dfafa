#include "shape_control.h"
#include "window_class.h"

namespace lister {
namespace {

void OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT box;
  GetClientRect(window, &box);
  HPEN outline = CreatePen(PS_SOLID, 1, RGB(128, 0, 0));
  HGDIOBJ oldPen = SelectObject(dc, outline);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
  Rectangle(dc, box.left, box.top, box.right, box.bottom);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(outline);
  EndPaint(window, &paint);
}

LRESULT CALLBACK ShapeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    OnPaint(window);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void RegisterShapeClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass = BasicWindowClass(instance, kShapeClass, ShapeProc);
  RegisterWindowClass(windowClass);
}

}  // namespace lister
