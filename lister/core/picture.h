// Decoded pictures: plain RGB, 8 bits per channel, no alpha. Used by the
// window, by anything that scales or writes pictures, and by the decoders.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

namespace lister {

struct Rgb {
  std::uint8_t red, green, blue;
};

// Pixel memory is left as allocated, because a decoder writes every byte of
// it; a large block is one allocation that, on Linux, asks for huge pages, so
// that filling a map picture costs a few page faults instead of thousands.
void* AllocatePixelMemory(std::size_t bytes);
void FreePixelMemory(void* memory, std::size_t bytes) noexcept;

template <typename T>
struct PixelAllocator {
  using value_type = T;
  PixelAllocator() = default;
  template <typename U>
  PixelAllocator(const PixelAllocator<U>&) noexcept {}

  T* allocate(std::size_t count) { return static_cast<T*>(AllocatePixelMemory(count * sizeof(T))); }
  void deallocate(T* memory, std::size_t count) noexcept {
    FreePixelMemory(memory, count * sizeof(T));
  }
  // Resizing leaves new elements uninitialised; everything else as usual.
  template <typename U>
  void construct(U* element) noexcept {
    ::new (static_cast<void*>(element)) U;
  }
  template <typename U, typename... Args>
  void construct(U* element, Args&&... args) {
    ::new (static_cast<void*>(element)) U(static_cast<Args&&>(args)...);
  }

  friend bool operator==(const PixelAllocator&, const PixelAllocator&) { return true; }
  friend bool operator!=(const PixelAllocator&, const PixelAllocator&) { return false; }
};

using PixelBytes = std::vector<std::uint8_t, PixelAllocator<std::uint8_t>>;

// A decoded picture, rows top to bottom.
struct RgbPicture {
  int width = 0;
  int height = 0;
  PixelBytes pixels;  // width * height * 3 bytes, R G B
};

}  // namespace lister
