#include "fonts.h"

#include "dpi.h"

namespace lister {
namespace {

void RegisterFontResource(const wchar_t* name) {
  HRSRC resource = FindResourceW(nullptr, name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (resource == nullptr) return;
  HGLOBAL loaded = LoadResource(nullptr, resource);
  void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) return;
  DWORD installed = 0;
  AddFontMemResourceEx(data, SizeofResource(nullptr, resource), nullptr, &installed);
}

}  // namespace

void RegisterPrivateFonts() {
  RegisterFontResource(L"FONT_TEXT");
  RegisterFontResource(L"FONT_TEXT_BOLD");
  RegisterFontResource(L"FONT_DISPLAY");
}

FontCache::~FontCache() {
  for (auto& entry : fonts_) DeleteObject(entry.second);
}

HFONT FontCache::Get(const std::wstring& family, int points, bool bold) {
  auto key = std::make_tuple(family, points, bold);
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  LOGFONTW description{};
  description.lfHeight = FontHeightForPoints(points);
  description.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  description.lfCharSet = DEFAULT_CHARSET;
  description.lfQuality = CLEARTYPE_QUALITY;
  lstrcpynW(description.lfFaceName, family.c_str(), LF_FACESIZE);
  HFONT font = CreateFontIndirectW(&description);
  fonts_.emplace(key, font);
  return font;
}

}  // namespace lister
