#include "label_control.h"
#include "window_class.h"

#include <string>

namespace lister {
namespace {

constexpr wchar_t kTextColorProperty[] = L"Q7TextColor";
// Marks a stored colour as present, so that black (0) can be stored too.
constexpr ULONG_PTR kColorPresent = 0x100000000ull;
constexpr int kFontSlot = 0;

bool StoredColor(HWND window, COLORREF& color) {
  ULONG_PTR stored = reinterpret_cast<ULONG_PTR>(GetPropW(window, kTextColorProperty));
  if ((stored & kColorPresent) == 0) return false;
  color = static_cast<COLORREF>(stored & ~kColorPresent);
  return true;
}

void StoreColor(HWND window, COLORREF color) {
  SetPropW(window, kTextColorProperty, reinterpret_cast<HANDLE>(color | kColorPresent));
}

COLORREF TextColorOf(HWND label) {
  COLORREF color = RGB(0, 0, 0);
  if (!StoredColor(label, color)) StoredColor(GetAncestor(label, GA_ROOT), color);
  return color;
}

std::wstring TextOf(HWND label) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(label)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(label, text.data(), static_cast<int>(text.size()))));
  return text;
}

void OnPaint(HWND label) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(label, &paint);
  RECT box;
  GetClientRect(label, &box);
  DWORD style = static_cast<DWORD>(GetWindowLongPtrW(label, GWL_STYLE));
  int background = (style & kLabelShadowBackground) ? COLOR_BTNSHADOW : COLOR_BTNFACE;
  FillRect(dc, &box, GetSysColorBrush(background));

  HGDIOBJ oldFont = nullptr;
  if (HFONT font = reinterpret_cast<HFONT>(GetWindowLongPtrW(label, kFontSlot))) {
    oldFont = SelectObject(dc, font);
  } else {
    oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, TextColorOf(label));

  std::wstring text = TextOf(label);
  UINT format = DT_NOPREFIX | ((style & kLabelCentred) ? DT_CENTER : DT_LEFT);
  if (style & kLabelWrap) {
    format |= DT_WORDBREAK;
    if (!(style & kLabelTop)) {
      // Centre the wrapped block vertically: measure it first.
      RECT measured = box;
      int height = DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
                             format | DT_CALCRECT);
      if (height < box.bottom) box.top = (box.bottom - height) / 2;
    }
  } else {
    format |= DT_SINGLELINE | ((style & kLabelTop) ? DT_TOP : DT_VCENTER);
  }
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format);
  SelectObject(dc, oldFont);
  EndPaint(label, &paint);
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: OnPaint(label); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETFONT:
      SetWindowLongPtrW(label, kFontSlot, static_cast<LONG_PTR>(wParam));
      if (LOWORD(lParam)) InvalidateRect(label, nullptr, TRUE);
      return 0;
    case WM_GETFONT: return GetWindowLongPtrW(label, kFontSlot);
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcW(label, message, wParam, lParam);
      InvalidateRect(label, nullptr, TRUE);
      return result;
    }
    case WM_NCHITTEST: return HTTRANSPARENT;
  }
  return DefWindowProcW(label, message, wParam, lParam);
}

}  // namespace

void RegisterLabelClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass = BasicWindowClass(instance, kLabelClass, LabelProc);
  windowClass.cbWndExtra = sizeof(LONG_PTR);
  RegisterWindowClass(windowClass);
}

void SetLabelTextColor(HWND label, COLORREF color) {
  StoreColor(label, color);
  InvalidateRect(label, nullptr, TRUE);
}

void SetDefaultLabelTextColor(HWND topLevel, COLORREF color) { StoreColor(topLevel, color); }

}  // namespace lister
