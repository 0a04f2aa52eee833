#include "pictures/png_reader.h"

#include <png.h>

namespace vx {
namespace {

constexpr size_t kShortestPng = 8;

// libpng's reading state, released however reading ends.
class PngImage {
 public:
  PngImage() { image_.version = PNG_IMAGE_VERSION; }
  ~PngImage() { png_image_free(&image_); }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;

  png_image* operator->() { return &image_; }
  png_image* get() { return &image_; }

 private:
  png_image image_{};
};

}  // namespace

std::optional<PixelPicture> ReadPng(std::span<const uint8_t> bytes) {
  if (bytes.size() < kShortestPng) return std::nullopt;
  PngImage image;
  if (!png_image_begin_read_from_memory(image.get(), bytes.data(), bytes.size())) return std::nullopt;
  image->format = PNG_FORMAT_BGRA;
  // 16-bit samples with no stated gamma are sRGB, as in every viewer, rather than
  // the linear light libpng would otherwise take them for.
  image->flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
  PixelPicture picture{PictureKind::kPng, image->width, image->height,
                       PixelBlock::Allocate(uint64_t{image->width} * image->height * 4)};
  if (!picture.pixels) return std::nullopt;
  if (!png_image_finish_read(image.get(), nullptr, picture.pixels.data(), 0, nullptr)) return std::nullopt;
  return picture;
}

}  // namespace vx
