#include "text_file.h"

#include "system_error.h"
#include "wide.h"

namespace lister {
namespace {

std::wstring DecodeCodePage(const std::uint8_t* data, size_t size, UINT codePage) {
  if (size == 0) return {};
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

}  // namespace

bool ReadWholeFile(const std::wstring& path, std::vector<std::uint8_t>& bytes, std::string& error) {
  bytes.clear();
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = Narrow(SystemErrorText(GetLastError()));
    return false;
  }
  bool ok = true;
  std::uint8_t chunk[65536];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file, chunk, sizeof chunk, &read, nullptr)) {
      error = Narrow(SystemErrorText(GetLastError()));
      ok = false;
      break;
    }
    if (read == 0) break;
    bytes.insert(bytes.end(), chunk, chunk + read);
  }
  CloseHandle(file);
  return ok;
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
