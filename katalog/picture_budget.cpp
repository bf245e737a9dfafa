#include "picture_budget.h"

#include <cstdio>
#include <memory>
#include <mutex>

#include "dxt1.h"
#include "files.h"
#include "map_picture.h"

namespace katalog {

bool PictureBudget::Take(std::uint64_t bytes, const std::atomic<bool>& stop) {
  bytes = Clamp(bytes);
  std::lock_guard<Mutex> lock(lock_);
  // A stop request comes from a signal handler, which cannot notify: the
  // wait looks at it every tenth of a second.
  while (free_ < bytes) {
    if (stop) return false;
    freed_.WaitFor(lock_, 100);
  }
  free_ -= bytes;
  return true;
}

void PictureBudget::Give(std::uint64_t bytes) {
  {
    std::lock_guard<Mutex> lock(lock_);
    free_ += Clamp(bytes);
  }
  freed_.NotifyAll();
}

std::uint64_t PictureMemory(const std::string& picturePath) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(OpenRegularFile(picturePath), std::fclose);
  if (!file) return 0;
  std::uint8_t header[lister::kDdsHeaderSize];
  const std::size_t got = std::fread(header, 1, sizeof header, file.get());
  const lister::PictureResult result = lister::ReadDdsHeader(header, got);
  if (!result.Ok()) return 0;
  constexpr std::uint64_t kSmallCopies = 3 * (std::uint64_t{kDetailLimit} * kDetailLimit +
                                              std::uint64_t{kThumbnailLimit} * kThumbnailLimit);
  return 3 * std::uint64_t{result.width} * result.height + 2 * kSmallCopies;
}

}  // namespace katalog
