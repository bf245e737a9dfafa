// Loads everything the lister carries, the way the window uses it, and reports each
// resource that is missing or not what the window expects. Exit status 0 when all is well.
#include <windows.h>
#include <wincodec.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

int failures = 0;

void Fail(const std::wstring& what) {
  std::fwprintf(stderr, L"FAIL: %ls\n", what.c_str());
  ++failures;
}

const wchar_t* const kGoods[] = {
    L"GRAIN",     L"VEGETABLES", L"MEAT",     L"OLIVES",   L"GRAPES",  L"WOOL",     L"TIMBER",
    L"CLAY",      L"IRON",       L"MARBLE",   L"CLOTHING", L"GLASS",   L"OLIVEOIL", L"POTTERY",
    L"FURNITURE", L"JEWELRY",    L"UTENSILS", L"WINE",     L"ARMOR",   L"WEAPONS",  L"AMBER",
    L"COSMETICS", L"FURS",       L"INCENSE",  L"HONEY",    L"IVORY",   L"PERFUME",  L"SALT",
    L"SILK",      L"SPICES",     L"DENARII",  L"GOLD",     L"PAPYRUS", L"SAND",     L"SILPHIUM"};

void CheckBitmap(const wchar_t* name, int width, int height) {
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) return Fail(std::wstring(L"bitmap ") + name + L" not found");
  DIBSECTION dib{};
  if (GetObjectW(bitmap, sizeof dib, &dib) != sizeof dib) {
    Fail(std::wstring(L"bitmap ") + name + L" is no DIB");
  } else if (dib.dsBm.bmWidth != width || dib.dsBm.bmHeight != height ||
             dib.dsBmih.biBitCount != 24) {
    Fail(std::wstring(L"bitmap ") + name + L" is " + std::to_wstring(dib.dsBm.bmWidth) + L"x" +
         std::to_wstring(dib.dsBm.bmHeight) + L"x" + std::to_wstring(dib.dsBmih.biBitCount));
  }
  DeleteObject(bitmap);
}

std::vector<unsigned char> ResourceBytes(const wchar_t* name) {
  HRSRC info = FindResourceW(nullptr, name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!info) return {};
  HGLOBAL handle = LoadResource(nullptr, info);
  auto* data = static_cast<const unsigned char*>(LockResource(handle));
  return std::vector<unsigned char>(data, data + SizeofResource(nullptr, info));
}

// Registers the font privately from memory and checks that GDI then matches the family
// (a font that is not found is silently replaced by another face).
void CheckFont(const wchar_t* resource, const wchar_t* family, LONG weight) {
  std::vector<unsigned char> data = ResourceBytes(resource);
  if (data.empty()) return Fail(std::wstring(L"font ") + resource + L" not found");
  DWORD installed = 0;
  if (!AddFontMemResourceEx(data.data(), static_cast<DWORD>(data.size()), nullptr, &installed) ||
      installed == 0) {
    return Fail(std::wstring(L"font ") + resource + L" not registered");
  }
  LOGFONTW wanted{};
  wanted.lfHeight = -15;  // 11 points at 96 dpi
  wanted.lfWeight = weight;
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(wanted.lfFaceName, family, LF_FACESIZE);
  HFONT font = CreateFontIndirectW(&wanted);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(font);
  if (std::wstring(face) != family) {
    Fail(std::wstring(L"font ") + resource + L" matched as \"" + face + L"\", not \"" + family +
         L"\"");
  } else if (weight == FW_BOLD && metrics.tmWeight < FW_SEMIBOLD) {
    Fail(std::wstring(L"font ") + resource + L" is not bold");
  }
}

void CheckIcon() {
  for (int size : {256, 48, 32, 24, 16}) {
    HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
    if (!icon) {
      Fail(L"icon of " + std::to_wstring(size) + L" pixels not loaded");
      continue;
    }
    ICONINFO info{};
    BITMAP colour{};
    GetIconInfo(icon, &info);
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    if (colour.bmWidth != size || colour.bmHeight != size) {
      Fail(L"icon of " + std::to_wstring(size) + L" pixels comes as " +
           std::to_wstring(colour.bmWidth) + L"x" + std::to_wstring(colour.bmHeight));
    }
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

void CheckPlaceholder() {
  std::vector<unsigned char> png = ResourceBytes(L"MAPPLACEHOLDER");
  if (png.empty()) return Fail(L"MAPPLACEHOLDER not found");
  IWICImagingFactory* factory = nullptr;
  IWICStream* stream = nullptr;
  IWICBitmapDecoder* decoder = nullptr;
  IWICBitmapFrameDecode* frame = nullptr;
  UINT width = 0, height = 0;
  HRESULT result = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_PPV_ARGS(&factory));
  if (SUCCEEDED(result)) result = factory->CreateStream(&stream);
  if (SUCCEEDED(result)) {
    result = stream->InitializeFromMemory(png.data(), static_cast<DWORD>(png.size()));
  }
  if (SUCCEEDED(result)) {
    result =
        factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, &decoder);
  }
  if (SUCCEEDED(result)) result = decoder->GetFrame(0, &frame);
  if (SUCCEEDED(result)) result = frame->GetSize(&width, &height);
  if (FAILED(result)) {
    Fail(L"MAPPLACEHOLDER not decoded (HRESULT " + std::to_wstring(result) + L")");
  } else if (width != 2048 || height != 2018) {
    Fail(L"MAPPLACEHOLDER is " + std::to_wstring(width) + L"x" + std::to_wstring(height));
  }
  if (frame) frame->Release();
  if (decoder) decoder->Release();
  if (stream) stream->Release();
  if (factory) factory->Release();
}

void CheckManifest() {
  HRSRC manifest = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  if (!manifest) return Fail(L"manifest not found");
  auto* text = static_cast<const char*>(LockResource(LoadResource(nullptr, manifest)));
  std::string xml(text, SizeofResource(nullptr, manifest));
  for (const char* needed : {"requireAdministrator", "Microsoft.Windows.Common-Controls",
                             "version=\"6.0.0.0\"", ">true</dpiAware>"}) {
    if (xml.find(needed) == std::string::npos) {
      Fail(L"manifest lacks " + std::wstring(needed, needed + std::string(needed).size()));
    }
  }
}

}  // namespace

int main() {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  for (const wchar_t* good : kGoods) CheckBitmap(good, 32, 32);
  CheckBitmap(L"BANNER", 278, 75);
  CheckFont(L"FONT_TEXT", L"Avery Deluxe", FW_NORMAL);
  CheckFont(L"FONT_TEXT_BOLD", L"Avery Deluxe", FW_BOLD);
  CheckFont(L"FONT_DISPLAY", L"Formal436 BT", FW_NORMAL);
  CheckIcon();
  CheckPlaceholder();
  CheckManifest();
  CoUninitialize();
  std::printf("%d resource problem(s)\n", failures);
  return failures == 0 ? 0 : 1;
}
