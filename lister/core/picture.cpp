#include "picture.h"

#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace lister {

#if defined(__linux__)

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

}  // namespace

// Blocks of at least one huge page start on a huge-page boundary, and their
// whole huge pages are advised as such; the kernel may ignore the advice.
void* AllocatePixelMemory(std::size_t bytes) {
  if (bytes < kHugePage) return ::operator new(bytes);
  if (bytes > SIZE_MAX - kHugePage) throw std::bad_alloc();
  const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
  void* memory = std::aligned_alloc(kHugePage, rounded);
  if (memory == nullptr) throw std::bad_alloc();
  madvise(memory, bytes / kHugePage * kHugePage, MADV_HUGEPAGE);
  return memory;
}

void FreePixelMemory(void* memory, std::size_t bytes) noexcept {
  if (bytes < kHugePage)
    ::operator delete(memory);
  else
    std::free(memory);
}

#else

void* AllocatePixelMemory(std::size_t bytes) { return ::operator new(bytes); }

void FreePixelMemory(void* memory, std::size_t) noexcept { ::operator delete(memory); }

#endif

}  // namespace lister
