#include "about_box.h"

#include "component_name.h"
#include "error_report.h"
#include "label_control.h"
#include "layout.h"
#include "window_builder.h"
#include "window_class.h"

namespace lister {
namespace {

constexpr wchar_t kAboutClass[] = L"TAboutForm";
constexpr DWORD kAboutStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kAboutExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr COLORREF kAboutTextColor = RGB(32, 32, 32);
constexpr COLORREF kCreditColor = RGB(112, 0, 0);

}  // namespace

void AboutBox::RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass = BasicWindowClass(instance, kAboutClass, WindowProc);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  RegisterClassExW(&windowClass);
}

bool AboutBox::Create(HINSTANCE instance, HWND owner) {
  SIZE size = WindowSizeForClient(kAboutLayout, kAboutStyle, kAboutExStyle);
  int left = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
  int top = (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
  return CreateWindowExW(kAboutExStyle, kAboutClass, L"", kAboutStyle, left, top, size.cx, size.cy,
                         owner, nullptr, instance, this) != nullptr;
}

LRESULT CALLBACK AboutBox::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<AboutBox*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<AboutBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT AboutBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      SetComponentName(window_, L"TAboutForm");
      RunHandler(window_, [&] {
        BuildWindowLayout(window_, kAboutLayout, controls_);
        FormCreate();
      });
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED &&
          reinterpret_cast<HWND>(lParam) == controls_.FindOrNull("CloseAbout")) {
        RunHandler(window_, [&] { CloseAboutClick(); });
      }
      return 0;
    case WM_SETFOCUS:
      if (HWND button = controls_.FindOrNull("CloseAbout")) SetFocus(button);
      return 0;
    case WM_CLOSE:
      // The close box hides the box like "OK"; it lives as long as the program.
      ShowWindow(window_, SW_HIDE);
      return 0;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void AboutBox::FormCreate() {
  HFONT windowFont = fonts_.Get(kTextFontFamily, 11);
  SetDefaultLabelTextColor(window_, kAboutTextColor);
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont), FALSE);
  for (size_t i = 0; i < kAboutLayout.controlCount; ++i) {
    SendMessageW(controls_.Find(kAboutLayout.controls[i].name), WM_SETFONT,
                 reinterpret_cast<WPARAM>(windowFont), TRUE);
  }
  HWND credit = controls_.Find("CreditLabel");
  SendMessageW(credit, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(kDisplayFontFamily, 14)),
               TRUE);
  SetLabelTextColor(credit, kCreditColor);
}

void AboutBox::CloseAboutClick() { ShowWindow(window_, SW_HIDE); }

}  // namespace lister
