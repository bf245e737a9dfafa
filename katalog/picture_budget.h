// One budget of memory for the map pictures that a run holds decoded at
// once, shared by all its workers: a 16384 by 16384 picture alone takes
// 805 MB, so however many workers run, pictures wait for room rather than
// add up.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "sync.h"

namespace katalog {

// The budget: room for one picture of the largest size the lister decodes.
inline constexpr std::uint64_t kPictureBudgetBytes = std::uint64_t{1} << 30;

class PictureBudget {
 public:
  explicit PictureBudget(std::uint64_t bytes) : free_(bytes), total_(bytes) {}

  // Waits until the bytes (at most the whole budget) are free and takes them;
  // false, taking nothing, when stop is set while it waits.
  bool Take(std::uint64_t bytes, const std::atomic<bool>& stop);
  void Give(std::uint64_t bytes);
  // The most a picture takes of the budget.
  std::uint64_t Clamp(std::uint64_t bytes) const { return bytes < total_ ? bytes : total_; }

 private:
  Mutex lock_;
  Condition freed_;
  std::uint64_t free_;
  const std::uint64_t total_;
};

// The memory that loading the scenario picture at that path takes while it is
// decoded and made small: its pixels and room for the smaller copies, from
// the sides its header states; 0 when it is no picture the lister decodes.
std::uint64_t PictureMemory(const std::string& picturePath);

}  // namespace katalog
