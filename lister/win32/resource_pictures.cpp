#include "resource_pictures.h"

#include <wincodec.h>

#include <cstring>

namespace lister {
namespace {

// Releases a COM interface when it goes out of scope.
template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  Interface** Out() { return &pointer_; }
  Interface* operator->() const { return pointer_; }
  Interface* Get() const { return pointer_; }

 private:
  Interface* pointer_ = nullptr;
};

HBITMAP CreateTopDownDib(int width, int height, int bitsPerPixel, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

bool FindRcData(const std::wstring& name, const BYTE*& data, DWORD& size) {
  HRSRC resource = FindResourceW(nullptr, name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (resource == nullptr) return false;
  HGLOBAL loaded = LoadResource(nullptr, resource);
  if (loaded == nullptr) return false;
  data = static_cast<const BYTE*>(LockResource(loaded));
  size = SizeofResource(nullptr, resource);
  return data != nullptr && size > 0;
}

HBITMAP DecodeImage(const BYTE* data, DWORD size) {
  ComRef<IWICImagingFactory> factory;
  ComRef<IWICStream> stream;
  ComRef<IWICBitmapDecoder> decoder;
  ComRef<IWICBitmapFrameDecode> frame;
  ComRef<IWICFormatConverter> converter;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, reinterpret_cast<void**>(factory.Out()))) ||
      FAILED(factory->CreateStream(stream.Out())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data), size)) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.Out())) ||
      FAILED(decoder->GetFrame(0, frame.Out())) ||
      FAILED(factory->CreateFormatConverter(converter.Out())) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR,
                                   WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom))) {
    return nullptr;
  }
  UINT width = 0, height = 0;
  if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0) return nullptr;
  void* bits = nullptr;
  HBITMAP bitmap = CreateTopDownDib(static_cast<int>(width), static_cast<int>(height), 32, &bits);
  if (bitmap == nullptr) return nullptr;
  UINT stride = width * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

}  // namespace

HBITMAP LoadResourcePicture(const std::wstring& name) {
  if (name.empty()) return nullptr;
  HANDLE bitmap =
      LoadImageW(GetModuleHandleW(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
  if (bitmap != nullptr) return static_cast<HBITMAP>(bitmap);
  const BYTE* data = nullptr;
  DWORD size = 0;
  if (!FindRcData(name, data, size)) return nullptr;
  return DecodeImage(data, size);
}

HBITMAP BitmapFromRgb(const RgbPicture& picture) {
  size_t pixelCount = static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height);
  if (picture.width <= 0 || picture.height <= 0 || picture.pixels.size() < pixelCount * 3) {
    return nullptr;
  }
  void* bits = nullptr;
  HBITMAP bitmap = CreateTopDownDib(picture.width, picture.height, 32, &bits);
  if (bitmap == nullptr) return nullptr;
  auto* target = static_cast<BYTE*>(bits);
  const std::uint8_t* source = picture.pixels.data();
  for (size_t i = 0; i < pixelCount; ++i, source += 3, target += 4) {
    target[0] = source[2];
    target[1] = source[1];
    target[2] = source[0];
    target[3] = 0;
  }
  return bitmap;
}

}  // namespace lister
