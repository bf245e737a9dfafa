// The program's two font families, registered from its resources as fonts
// private to this process, and the fonts made from them.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

namespace lister {

inline constexpr wchar_t kTextFontFamily[] = L"Avery Deluxe";
inline constexpr wchar_t kDisplayFontFamily[] = L"Formal436 BT";

// Registers every font resource the program carries; a missing one is skipped
// (the system then substitutes a similar face).
void RegisterPrivateFonts();

// Fonts by family, size in points and weight, made once and kept for the
// program's run.
class FontCache {
 public:
  FontCache() = default;
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;
  ~FontCache();

  HFONT Get(const std::wstring& family, int points, bool bold = false);

 private:
  std::map<std::tuple<std::wstring, int, bool>, HFONT> fonts_;
};

}  // namespace lister
