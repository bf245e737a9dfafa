// A shape: a rectangle with a maroon outline and a white fill, used as a rule.
#pragma once

#include <windows.h>

namespace lister {

inline constexpr wchar_t kShapeClass[] = L"Q7Shape";

void RegisterShapeClass(HINSTANCE instance);

}  // namespace lister
