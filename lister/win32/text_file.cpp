#include "text_file.h"

#include <climits>
#include <stdexcept>

#include "system_error.h"
#include "texts.h"
#include "unique_handle.h"
#include "wide.h"

namespace lister {
namespace {

std::wstring DecodeCodePage(const std::uint8_t* data, size_t size, UINT codePage) {
  if (size == 0) return {};
  // The readers bound what they decode far below this; a larger text must
  // fail loudly, not come back empty.
  if (size > static_cast<size_t>(INT_MAX)) throw std::length_error(german::kTextTooLong);
  const char* bytes = reinterpret_cast<const char*>(data);
  int length = MultiByteToWideChar(codePage, 0, bytes, static_cast<int>(size), nullptr, 0);
  std::wstring text(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, bytes, static_cast<int>(size), text.data(), length);
  return text;
}

std::wstring DecodeUtf16(const std::uint8_t* data, size_t size, bool bigEndian) {
  std::wstring text;
  text.reserve(size / 2);
  for (size_t i = 0; i + 1 < size; i += 2) {
    unsigned first = data[i], second = data[i + 1];
    text.push_back(static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
  }
  return text;
}

std::wstring DecodeText(const std::vector<std::uint8_t>& bytes) {
  const std::uint8_t* data = bytes.data();
  size_t size = bytes.size();
  if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF)
    return DecodeCodePage(data + 3, size - 3, CP_UTF8);
  if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE)
    return DecodeUtf16(data + 2, size - 2, false);
  if (size >= 2 && data[0] == 0xFE && data[1] == 0xFF) return DecodeUtf16(data + 2, size - 2, true);
  return DecodeCodePage(data, size, CP_ACP);
}

// "Die Datei Rom.cs ist größer als 4 MB und wird nicht gelesen."
std::string TooLargeText(const std::wstring& path, std::uint64_t maxBytes) {
  std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
  return german::FillIn(german::kFileTooLarge,
                        {Narrow(name), std::to_string(maxBytes / (1024 * 1024))});
}

}  // namespace

bool ReadWholeFile(const std::wstring& path, std::uint64_t maxBytes,
                   std::vector<std::uint8_t>& bytes, std::string& error) {
  bytes.clear();
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    error = Narrow(SystemErrorText(GetLastError()));
    return false;
  }
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size)) {
    error = Narrow(SystemErrorText(GetLastError()));
    return false;
  }
  if (static_cast<std::uint64_t>(size.QuadPart) > maxBytes) {
    error = TooLargeText(path, maxBytes);
    return false;
  }
  bytes.reserve(static_cast<size_t>(size.QuadPart));
  // The file may grow while it is read: one byte past the limit is enough to know.
  std::uint8_t chunk[65536];
  for (;;) {
    std::uint64_t room = maxBytes - bytes.size();
    std::uint64_t wanted = room < sizeof chunk ? room + 1 : sizeof chunk;
    DWORD read = 0;
    if (!ReadFile(file.Get(), chunk, static_cast<DWORD>(wanted), &read, nullptr)) {
      error = Narrow(SystemErrorText(GetLastError()));
      bytes.clear();
      return false;
    }
    if (read == 0) return true;
    if (bytes.size() + read > maxBytes) {
      error = TooLargeText(path, maxBytes);
      bytes.clear();
      return false;
    }
    bytes.insert(bytes.end(), chunk, chunk + read);
  }
}

std::vector<std::string> DecodeTextLines(const std::vector<std::uint8_t>& bytes) {
  std::wstring text = DecodeText(bytes);
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != L'\r' && text[i] != L'\n') continue;
    lines.push_back(Narrow(text.substr(start, i - start)));
    if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(Narrow(text.substr(start)));
  return lines;
}

}  // namespace lister
