#include "picture_control.h"
#include "window_class.h"

namespace lister {
namespace {

// Window extra bytes: the bitmap as given, and a copy scaled to the box so
// that a large map picture is shrunk once rather than on every paint.
constexpr int kSourceSlot = 0;
constexpr int kScaledSlot = sizeof(LONG_PTR);

HBITMAP Slot(HWND window, int slot) {
  return reinterpret_cast<HBITMAP>(GetWindowLongPtrW(window, slot));
}

void ReplaceSlot(HWND window, int slot, HBITMAP bitmap) {
  HBITMAP old = reinterpret_cast<HBITMAP>(
      SetWindowLongPtrW(window, slot, reinterpret_cast<LONG_PTR>(bitmap)));
  if (old != nullptr && old != bitmap) DeleteObject(old);
}

HBITMAP ScaleToBox(HDC dc, HBITMAP source, int width, int height) {
  BITMAP info{};
  GetObjectW(source, sizeof info, &info);
  HDC sourceDc = CreateCompatibleDC(dc);
  HDC targetDc = CreateCompatibleDC(dc);
  HBITMAP scaled = CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ oldSource = SelectObject(sourceDc, source);
  HGDIOBJ oldTarget = SelectObject(targetDc, scaled);
  SetStretchBltMode(targetDc, HALFTONE);
  SetBrushOrgEx(targetDc, 0, 0, nullptr);
  StretchBlt(targetDc, 0, 0, width, height, sourceDc, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  SelectObject(sourceDc, oldSource);
  SelectObject(targetDc, oldTarget);
  DeleteDC(sourceDc);
  DeleteDC(targetDc);
  return scaled;
}

void OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT box;
  GetClientRect(window, &box);
  HBITMAP source = Slot(window, kSourceSlot);
  if (source == nullptr || box.right <= 0 || box.bottom <= 0) {
    FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
  } else {
    HBITMAP scaled = Slot(window, kScaledSlot);
    BITMAP info{};
    if (scaled != nullptr) GetObjectW(scaled, sizeof info, &info);
    if (scaled == nullptr || info.bmWidth != box.right || info.bmHeight != box.bottom) {
      scaled = ScaleToBox(dc, source, box.right, box.bottom);
      ReplaceSlot(window, kScaledSlot, scaled);
    }
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, scaled);
    BitBlt(dc, 0, 0, box.right, box.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
  }
  EndPaint(window, &paint);
}

LRESULT CALLBACK PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: OnPaint(window); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_NCDESTROY:
      ReplaceSlot(window, kSourceSlot, nullptr);
      ReplaceSlot(window, kScaledSlot, nullptr);
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void RegisterPictureClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass = BasicWindowClass(instance, kPictureClass, PictureProc);
  windowClass.cbWndExtra = 2 * sizeof(LONG_PTR);
  RegisterWindowClass(windowClass);
}

void SetPictureBitmap(HWND picture, HBITMAP bitmap) {
  ReplaceSlot(picture, kScaledSlot, nullptr);
  ReplaceSlot(picture, kSourceSlot, bitmap);
  InvalidateRect(picture, nullptr, FALSE);
}

}  // namespace lister
