// Pictures as GDI bitmaps: from the program's resources (a BITMAP, or a PNG
// kept as RCDATA and decoded with the platform's imaging codecs) or from a
// decoded scenario picture.
#pragma once

#include <windows.h>

#include <string>

#include "view.h"

namespace lister {

// nullptr when the program holds no such picture.
HBITMAP LoadResourcePicture(const std::wstring& name);
HBITMAP BitmapFromRgb(const RgbPicture& picture);

}  // namespace lister
