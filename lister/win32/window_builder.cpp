#include "window_builder.h"

#include <commctrl.h>
#include <richedit.h>

#include <stdexcept>
#include <string>

#include "component_name.h"
#include "dpi.h"
#include "label_control.h"
#include "picture_control.h"
#include "resource_pictures.h"
#include "shape_control.h"
#include "sheet_window.h"
#include "texts.h"
#include "wide.h"

namespace lister {
namespace {

// Control ids of the sheets of a page control: the tab index above this base.
constexpr int kSheetIdBase = 1000;
constexpr int kFirstControlId = 100;

DWORD LabelWindowStyle(unsigned flags) {
  DWORD style = 0;
  if (flags & kCentred) style |= kLabelCentred;
  if (flags & kTopAligned) style |= kLabelTop;
  if (flags & kWrapWords) style |= kLabelWrap;
  if (flags & kShadowBackground) style |= kLabelShadowBackground;
  return style;
}

HWND CreateChild(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style,
                 DWORD exStyle, const RECT& box, int id) {
  HWND child = CreateWindowExW(exStyle, windowClass, text, WS_CHILD | style, box.left, box.top,
                               box.right - box.left, box.bottom - box.top, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  if (child == nullptr) throw std::runtime_error(german::kControlNotCreated);
  return child;
}

// A new tab of the page control, whose sheet fills the tabs' display area.
HWND CreateSheet(HWND pageControl, const ControlRow& row) {
  int index = TabCtrl_GetItemCount(pageControl);
  std::wstring caption = Widen(row.text);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = caption.data();
  TabCtrl_InsertItem(pageControl, index, &item);
  RECT area;
  GetClientRect(pageControl, &area);
  TabCtrl_AdjustRect(pageControl, FALSE, &area);
  DWORD visible = index == 0 ? WS_VISIBLE : 0;
  return CreateChild(pageControl, kSheetClass, L"", visible | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
                     area, kSheetIdBase + index);
}

HWND CreateRichText(HWND parent, const ControlRow& row, const RECT& box, int id) {
  DWORD style = WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL;
  if (row.flags & kVerticalScrollBar) style |= WS_VSCROLL;
  if (row.flags & kReadOnly) style |= ES_READONLY;
  DWORD exStyle = (row.flags & kNoBorder) ? 0 : WS_EX_CLIENTEDGE;
  HWND pane = CreateChild(parent, MSFTEDIT_CLASS, L"", style, exStyle, box, id);
  SendMessageW(pane, EM_EXLIMITTEXT, 0, 16 * 1024 * 1024);
  if (row.flags & kButtonFaceBackground) {
    SendMessageW(pane, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_BTNFACE)));
  }
  if (row.text != nullptr) SetWindowTextW(pane, Widen(row.text).c_str());
  return pane;
}

HWND CreateListBox(HWND parent, const ControlRow& row, const RECT& box, int id) {
  DWORD style = WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (!(row.flags & kHidden)) style |= WS_VISIBLE;
  HWND list = CreateChild(parent, L"LISTBOX", L"", style, WS_EX_CLIENTEDGE, box, id);
  if (row.text != nullptr && row.kind == ControlKind::ListBox) {
    std::wstring item = Widen(row.text);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  return list;
}

const TabSize* FindTabSize(const WindowLayout& layout, const char* name) {
  for (size_t i = 0; i < layout.tabSizeCount; ++i) {
    if (std::string(layout.tabSizes[i].pageControl) == name) return &layout.tabSizes[i];
  }
  return nullptr;
}

// A tab selected by a program (TCM_SETCURSEL sends no notification) shows its
// sheet too, as one selected by the user does.
LRESULT CALLBACK PageControlProc(HWND pageControl, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR, DWORD_PTR) {
  if (message == TCM_SETCURSEL) {
    LRESULT previous = DefSubclassProc(pageControl, message, wParam, lParam);
    ShowSelectedSheet(pageControl);
    return previous;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(pageControl, PageControlProc, 0);
  return DefSubclassProc(pageControl, message, wParam, lParam);
}

void ApplyFocusOrder(const WindowLayout& layout, const ControlRegistry& controls) {
  HWND previous = HWND_TOP;
  for (size_t i = 0; i < layout.focusCount; ++i) {
    HWND control = controls.Find(layout.focusOrder[i]);
    SetWindowPos(control, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = control;
  }
}

}  // namespace

void RegisterControlClasses(HINSTANCE instance) {
  INITCOMMONCONTROLSEX commonControls{sizeof commonControls,
                                      ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&commonControls);
  LoadLibraryExW(L"Msftedit.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  RegisterLabelClass(instance);
  RegisterPictureClass(instance);
  RegisterShapeClass(instance);
  RegisterSheetClass(instance);
}

HWND CreateLayoutControl(HWND parent, const ControlRow& row, int id) {
  RECT box = ScaleRect(row.rect);
  const std::wstring wideText = row.text != nullptr ? Widen(row.text) : std::wstring();
  const wchar_t* text = wideText.c_str();
  switch (row.kind) {
    case ControlKind::Label:
      return CreateChild(parent, kLabelClass, text, WS_VISIBLE | LabelWindowStyle(row.flags), 0,
                         box, id);
    case ControlKind::ListBox:
    case ControlKind::FileList: return CreateListBox(parent, row, box, id);
    case ControlKind::Button:
      return CreateChild(parent, L"BUTTON", text, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, box,
                         id);
    case ControlKind::PageControl: {
      HWND pageControl =
          CreateChild(parent, WC_TABCONTROLW, L"",
                      WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_FIXEDWIDTH,
                      WS_EX_CONTROLPARENT, box, id);
      SetWindowSubclass(pageControl, PageControlProc, 0, 0);
      return pageControl;
    }
    case ControlKind::Sheet: return CreateSheet(parent, row);
    case ControlKind::Panel:
      return CreateChild(parent, kSheetClass, L"", WS_VISIBLE | WS_CLIPCHILDREN,
                         WS_EX_CONTROLPARENT, box, id);
    case ControlKind::Picture: {
      HWND picture = CreateChild(parent, kPictureClass, L"", WS_VISIBLE, 0, box, id);
      if (row.text != nullptr) SetPictureBitmap(picture, LoadResourcePicture(Widen(row.text)));
      return picture;
    }
    case ControlKind::Shape: return CreateChild(parent, kShapeClass, L"", WS_VISIBLE, 0, box, id);
    case ControlKind::RichText: return CreateRichText(parent, row, box, id);
  }
  throw std::logic_error("unknown control kind");
}

void BuildWindowLayout(HWND window, const WindowLayout& layout, ControlRegistry& controls) {
  for (size_t i = 0; i < layout.controlCount; ++i) {
    const ControlRow& row = layout.controls[i];
    HWND parent = row.parent != nullptr ? controls.Find(row.parent) : window;
    HWND control = CreateLayoutControl(parent, row, kFirstControlId + static_cast<int>(i));
    if (row.kind == ControlKind::PageControl) {
      if (const TabSize* size = FindTabSize(layout, row.name)) {
        SendMessageW(control, TCM_SETITEMSIZE, 0,
                     MAKELPARAM(ScaleToDpi(size->width), ScaleToDpi(size->height)));
      }
    }
    SetComponentName(control, Widen(row.name));
    controls.Add(row.name, control);
  }
  ApplyFocusOrder(layout, controls);
}

SIZE WindowSizeForClient(const WindowLayout& layout, DWORD style, DWORD exStyle) {
  RECT frame{0, 0, ScaleToDpi(layout.clientWidth), ScaleToDpi(layout.clientHeight)};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void ShowSelectedSheet(HWND pageControl) {
  int selected = TabCtrl_GetCurSel(pageControl);
  for (HWND sheet = GetWindow(pageControl, GW_CHILD); sheet != nullptr;
       sheet = GetWindow(sheet, GW_HWNDNEXT)) {
    int id = GetDlgCtrlID(sheet);
    if (id < kSheetIdBase) continue;  // the tabs' own scroll arrows
    bool isSelected = id == kSheetIdBase + selected;
    ShowWindow(sheet, isSelected ? SW_SHOW : SW_HIDE);
  }
  // Paint now, so the new page is on screen when the switch has been handled.
  UpdateWindow(pageControl);
}

}  // namespace lister
