// Window classes of the program: the fields every class shares, registration
// that reports a refusal, and the base of the top-level windows.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "control_registry.h"
#include "system_error.h"
#include "texts.h"
#include "wide.h"

namespace lister {

// Callers add their background, extra bytes or icons before registering.
inline WNDCLASSEXW BasicWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name;
  return windowClass;
}

// Throws SystemFailure, naming the class, when the system refuses it.
inline void RegisterWindowClass(const WNDCLASSEXW& windowClass) {
  if (RegisterClassExW(&windowClass) == 0) {
    const DWORD code = GetLastError();
    throw SystemFailure(
        german::FillIn(german::kWindowClassUnavailable, {Narrow(windowClass.lpszClassName)}), code);
  }
}

// A top-level window of the program, Derived, held by an object that lives as
// long as the window. One window procedure per class finds the object, which
// it stored with the window when the window was made, and hands it every
// message: Derived::HandleMessage answers them, by calling one named handler
// each. Clicks and selections reach their handlers through a table of
// commands, whose controls are looked up once, when the window is built.
template <typename Derived>
class TopLevelWindow {
 public:
  TopLevelWindow() = default;
  TopLevelWindow(const TopLevelWindow&) = delete;
  TopLevelWindow& operator=(const TopLevelWindow&) = delete;

  HWND Handle() const { return window_; }

 protected:
  // A control's notification and the handler that answers it.
  struct Command {
    const char* control;
    WORD notification;  // BN_CLICKED, LBN_SELCHANGE, ...
    void (Derived::*handler)();
  };

  static WNDCLASSEXW WindowClass(HINSTANCE instance, const wchar_t* name) {
    return BasicWindowClass(instance, name, WindowProc);
  }

  // Makes the window; its WM_NCCREATE binds it to this object.
  HWND CreateTopLevel(DWORD exStyle, const wchar_t* className, DWORD style, int left, int top,
                      SIZE size, HWND owner, HINSTANCE instance) {
    return CreateWindowExW(exStyle, className, L"", style, left, top, size.cx, size.cy, owner,
                           nullptr, instance, this);
  }

  // Finds the controls of the commands among the window's built controls.
  template <std::size_t Count>
  void RouteCommands(const ControlRegistry& controls, const Command (&commands)[Count]) {
    routes_.clear();
    for (const Command& command : commands)
      routes_.emplace_back(controls.Find(command.control), &command);
  }

  // Runs the handler for a control's notification; false when it has none.
  bool DispatchCommand(HWND control, WORD notification) {
    for (const auto& [routed, command] : routes_) {
      if (routed == control && command->notification == notification) {
        (static_cast<Derived*>(this)->*command->handler)();
        return true;
      }
    }
    return false;
  }

  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_, message, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* self =
          static_cast<TopLevelWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      self->window_ = window;
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TopLevelWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = static_cast<Derived*>(self)->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      // The window is gone; its object must not reach it any more.
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      self->window_ = nullptr;
      self->routes_.clear();
    }
    return result;
  }

  HWND window_ = nullptr;
  std::vector<std::pair<HWND, const Command*>> routes_;
};

}  // namespace lister
