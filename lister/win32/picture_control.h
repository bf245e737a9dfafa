// A picture box: shows one bitmap stretched to fill its box (the aspect
// ratio is not kept), or nothing.
#pragma once

#include <windows.h>

namespace lister {

inline constexpr wchar_t kPictureClass[] = L"Q7Picture";

void RegisterPictureClass(HINSTANCE instance);
// The control takes ownership of the bitmap; nullptr empties the picture.
void SetPictureBitmap(HWND picture, HBITMAP bitmap);

}  // namespace lister
