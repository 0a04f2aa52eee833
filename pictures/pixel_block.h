// A decoded picture's pixel block: its bytes and their count, owned.
#pragma once

#include <cstdint>
#include <memory>

namespace vx {

// The largest pixel block a reader makes. Beyond it, neither a 32-bit process nor
// the bitmap made from the block could hold the picture; a size claimed by a
// header is checked against it before anything is allocated.
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
// Fuzzing spends its time on the readers' checks rather than on decoding the
// large pictures that a few bytes of JPEG can rightly stand for.
constexpr uint64_t kMaxPixelBytes = uint64_t{1} << 20;
#else
constexpr uint64_t kMaxPixelBytes = uint64_t{1} << 28;
#endif

class PixelBlock {
 public:
  PixelBlock() = default;

  // A block of `size` uninitialised bytes; empty when size is 0 or above
  // kMaxPixelBytes, or when memory is short.
  static PixelBlock Allocate(uint64_t size);

  explicit operator bool() const { return bytes_ != nullptr; }
  uint8_t* data() { return bytes_.get(); }
  const uint8_t* data() const { return bytes_.get(); }
  uint32_t size() const { return size_; }

 private:
  std::unique_ptr<uint8_t[]> bytes_;
  uint32_t size_ = 0;
};

}  // namespace vx
