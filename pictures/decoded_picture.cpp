#include "pictures/decoded_picture.h"

#include "pictures/icon_directory.h"
#include "pictures/pixel_picture.h"

namespace vx {
namespace {

constexpr DWORD kIconFormatVersion = 0x30000;

// The chosen image as an icon; the older call is tried where the newer one fails,
// except for 16-bit images, which it cannot read either.
HICON CreatePictureIcon(const IconImage& image) {
  auto* bits = const_cast<BYTE*>(image.bytes.data());
  const auto size = static_cast<DWORD>(image.bytes.size());
  HICON icon = CreateIconFromResourceEx(bits, size, TRUE, kIconFormatVersion, static_cast<int>(image.width),
                                        static_cast<int>(image.height), LR_DEFAULTCOLOR);
  if (!icon && image.bitsPerPixel != 16) icon = CreateIconFromResource(bits, size, TRUE, kIconFormatVersion);
  return icon;
}

}  // namespace

std::unique_ptr<DecodedPicture> DecodePicture(std::span<const uint8_t> bytes) {
  const PictureKind kind = RecognisePicture(bytes);
  if (kind == PictureKind::kIcon || kind == PictureKind::kCursor) {
    std::optional<IconImage> image = ChooseIconImage(bytes);
    if (!image) return nullptr;
    PictureIcon icon(CreatePictureIcon(*image));
    if (!icon.get()) return nullptr;
    return std::make_unique<DecodedPicture>(DecodedPicture{kind, image->width, image->height, std::move(icon), {}});
  }
  std::optional<PixelPicture> picture = ReadPixelPicture(kind, bytes);
  if (!picture) return nullptr;
  return std::make_unique<DecodedPicture>(
      DecodedPicture{picture->kind, picture->width, picture->height, {}, std::move(picture->pixels)});
}

}  // namespace vx
