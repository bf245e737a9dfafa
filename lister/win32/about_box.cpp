#include "about_box.h"

#include "component_name.h"
#include "error_report.h"
#include "label_control.h"
#include "layout.h"
#include "window_builder.h"

namespace lister {
namespace {

constexpr wchar_t kAboutClass[] = L"TAboutForm";
constexpr DWORD kAboutStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kAboutExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr COLORREF kAboutTextColor = RGB(32, 32, 32);
constexpr COLORREF kCreditColor = RGB(112, 0, 0);

}  // namespace

const AboutBox::Command AboutBox::kCommands[1] = {
    {"CloseAbout", BN_CLICKED, &AboutBox::CloseAboutClick},
};

void AboutBox::RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass = WindowClass(instance, kAboutClass);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  lister::RegisterWindowClass(windowClass);
}

bool AboutBox::Create(HINSTANCE instance, HWND owner) {
  SIZE size = WindowSizeForClient(kAboutLayout, kAboutStyle, kAboutExStyle);
  int left = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
  int top = (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
  return CreateTopLevel(kAboutExStyle, kAboutClass, kAboutStyle, left, top, size, owner,
                        instance) != nullptr;
}

LRESULT AboutBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_COMMAND: OnCommand(wParam, lParam); return 0;
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_CLOSE: OnClose(); return 0;
  }
  return DefaultHandling(message, wParam, lParam);
}

void AboutBox::OnCreate() {
  SetComponentName(Handle(), L"TAboutForm");
  RunHandler(Handle(), [&] {
    BuildWindowLayout(Handle(), kAboutLayout, controls_);
    RouteCommands(controls_, kCommands);
    closeButton_ = controls_.Find("CloseAbout");
    FormCreate();
  });
}

void AboutBox::OnCommand(WPARAM wParam, LPARAM lParam) {
  HWND control = reinterpret_cast<HWND>(lParam);
  if (control == nullptr) return;
  RunHandler(Handle(), [&] { DispatchCommand(control, HIWORD(wParam)); });
}

void AboutBox::OnSetFocus() {
  if (closeButton_ != nullptr) SetFocus(closeButton_);
}

// The close box hides the box like "OK"; it lives as long as the program.
void AboutBox::OnClose() { ShowWindow(Handle(), SW_HIDE); }

void AboutBox::FormCreate() {
  HFONT windowFont = fonts_.Get(kTextFontFamily, 11);
  SetDefaultLabelTextColor(Handle(), kAboutTextColor);
  SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(windowFont), FALSE);
  for (size_t i = 0; i < kAboutLayout.controlCount; ++i) {
    SendMessageW(controls_.Find(kAboutLayout.controls[i].name), WM_SETFONT,
                 reinterpret_cast<WPARAM>(windowFont), TRUE);
  }
  HWND credit = controls_.Find("CreditLabel");
  SendMessageW(credit, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(kDisplayFontFamily, 14)),
               TRUE);
  SetLabelTextColor(credit, kCreditColor);
}

void AboutBox::CloseAboutClick() { ShowWindow(Handle(), SW_HIDE); }

}  // namespace lister
