// A picture property's data decoded once, to be kept by the unit that shows it
// and rendered whenever the unit needs a bitmap of it (render_picture.h).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <utility>

#include "pictures/picture_kind.h"
#include "pictures/pixel_block.h"

namespace vx {

// An icon or cursor handle, destroyed with its owner.
class PictureIcon {
 public:
  PictureIcon() = default;
  explicit PictureIcon(HICON icon) : icon_(icon) {}
  PictureIcon(PictureIcon&& other) noexcept : icon_(std::exchange(other.icon_, nullptr)) {}
  PictureIcon& operator=(PictureIcon&& other) noexcept {
    std::swap(icon_, other.icon_);
    return *this;
  }
  ~PictureIcon() {
    if (icon_) DestroyIcon(icon_);
  }

  HICON get() const { return icon_; }

 private:
  HICON icon_ = nullptr;
};

// Kind, width, height, icon (icons and cursors), pixel block and its byte size
// (the other kinds; layouts in pixel_picture.h).
struct DecodedPicture {
  PictureKind kind = PictureKind::kNone;
  uint32_t width = 0;
  uint32_t height = 0;
  PictureIcon icon;
  PixelBlock pixels;
};
// Six 32-bit fields in the 32-bit build.
static_assert(sizeof(void*) != 4 || sizeof(DecodedPicture) == 24);

// A new decoded picture, or null when the data is empty, not recognised or cannot
// be decoded. Releasing it (destroying the record) destroys its icon and frees its
// pixel block.
std::unique_ptr<DecodedPicture> DecodePicture(std::span<const uint8_t> bytes);

}  // namespace vx
