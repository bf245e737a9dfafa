// A label: a text in its box, left-aligned or centred, centred vertically or
// at the top, on one line or wrapped at words; its text is read and written
// with WM_GETTEXT and WM_SETTEXT like any window's.
#pragma once

#include <windows.h>

namespace lister {

inline constexpr wchar_t kLabelClass[] = L"Q7Label";

// Class styles of a label.
inline constexpr DWORD kLabelCentred = 0x0001;
inline constexpr DWORD kLabelTop = 0x0002;
inline constexpr DWORD kLabelWrap = 0x0004;
inline constexpr DWORD kLabelShadowBackground = 0x0008;

void RegisterLabelClass(HINSTANCE instance);

// A label's own text colour.
void SetLabelTextColor(HWND label, COLORREF color);
// The text colour of every label of a top-level window that has none of its own.
void SetDefaultLabelTextColor(HWND topLevel, COLORREF color);

}  // namespace lister
