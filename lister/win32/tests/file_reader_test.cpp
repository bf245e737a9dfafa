// The scenario picture read through the Win32 file reader (run under Wine by
// CTest): a picture file of 20 GB whose block data are a hole is read only as
// far as its blocks; the file stays open to other writers; a missing file
// gives the system's reason.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "picture_file.h"
#include "win32_file_reader.h"

namespace {

int failures = 0;

void Check(bool condition, const std::string& what) {
  if (condition) return;
  ++failures;
  std::printf("FAILED: %s\n", what.c_str());
}

// A DDS header for a DXT1 picture of the given size.
std::vector<std::uint8_t> Header(std::uint32_t width, std::uint32_t height) {
  std::vector<std::uint8_t> header(lister::kDdsHeaderSize, 0);
  for (int i = 0; i < 4; ++i) {
    header[12 + i] = static_cast<std::uint8_t>(height >> (8 * i));
    header[16 + i] = static_cast<std::uint8_t>(width >> (8 * i));
  }
  header[84] = 'D', header[85] = 'X', header[86] = 'T', header[87] = '1';
  return header;
}

// Counts the bytes read from the file it wraps.
class CountingReader : public lister::FileReader {
 public:
  explicit CountingReader(lister::FileReader& file) : file_(file) {}
  std::uint64_t read = 0;

  std::uint64_t Size() const override { return file_.Size(); }
  bool Read(std::uint8_t* buffer, std::size_t size, std::size_t& got, std::string& error) override {
    const bool ok = file_.Read(buffer, size, got, error);
    read += got;
    return ok;
  }

 private:
  lister::FileReader& file_;
};

void TestSparsePicture(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  Check(file != INVALID_HANDLE_VALUE, "the picture file can be made");
  if (file == INVALID_HANDLE_VALUE) return;
  const std::vector<std::uint8_t> header = Header(2048, 2048);
  DWORD written = 0;
  WriteFile(file, header.data(), static_cast<DWORD>(header.size()), &written, nullptr);
  LARGE_INTEGER end;
  end.QuadPart = 20LL << 30;
  const bool grown = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  CloseHandle(file);
  if (!grown) {
    std::printf("skipped: no file of 20 GB possible here\n");
    return;
  }

  std::string error;
  std::unique_ptr<lister::FileReader> reader = lister::OpenWin32File(path, error);
  Check(reader != nullptr, "the picture opens: " + error);
  if (reader == nullptr) return;
  Check(reader->Size() == (20ull << 30), "the size of 20 GB is seen");

  // Other programs may write the file while the lister reads it.
  HANDLE writer = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  Check(writer != INVALID_HANDLE_VALUE, "another writer can open the file meanwhile");
  if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);

  CountingReader counting(*reader);
  lister::RgbPicture picture;
  Check(lister::ReadDxt1Picture(counting, picture).Ok(), "the picture decodes");
  Check(picture.width == 2048 && picture.height == 2048, "the picture has its stated size");
  Check(counting.read == lister::kDdsHeaderSize + 2048 * 2048 / 2,
        "only the header and the block data are read");
  reader.reset();
  DeleteFileW(path.c_str());
}

void TestMissingFile(const std::wstring& folder) {
  std::string error;
  Check(lister::OpenWin32File(folder + L"fehlt_Color.dds", error) == nullptr,
        "a missing file does not open");
  Check(!error.empty(), "a missing file gives the system's reason");
}

}  // namespace

int main() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  const std::wstring folder = base;
  TestSparsePicture(folder + L"lister sparse " + std::to_wstring(GetCurrentProcessId()) +
                    L"_Color.dds");
  TestMissingFile(folder);
  if (failures == 0) std::printf("the picture file reader reads what it uses\n");
  return failures == 0 ? 0 : 1;
}
