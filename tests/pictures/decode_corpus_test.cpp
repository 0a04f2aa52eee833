// The readers against ImageMagick: every file of the corpus decodes to the pixels
// ImageMagick decodes it to; of icons and cursors, the reader chooses the image
// compared.
#include <gtest/gtest.h>

#include <optional>

#include "pictures/byte_fields.h"
#include "pictures/icon_directory.h"
#include "pictures/indexed_bitmap.h"
#include "pictures/pixel_picture.h"
#include "tests/pictures/corpus.h"

namespace vx::test {
namespace {

Rgba Colour(const uint8_t* bgr, uint8_t alpha = 255) { return {bgr[2], bgr[1], bgr[0], alpha}; }

// An indexed bitmap at the top-left corner of the picture; its transparent colour
// and the rest of the picture transparent.
std::vector<Rgba> IndexedPixels(const PixelPicture& picture) {
  const uint8_t* block = picture.pixels.data();
  const uint32_t width = Le32(block + 4), height = 0u - Le32(block + 8);  // negative: top-down
  std::vector<Rgba> pixels(size_t{picture.width} * picture.height, Rgba{0, 0, 0, 0});
  for (uint32_t y = 0; y < height && y < picture.height; ++y) {
    for (uint32_t x = 0; x < width && x < picture.width; ++x) {
      const uint8_t* entry = block + kInfoHeaderBytes + block[kIndexedHeaderBytes + y * IndexedStride(width) + x] * 4;
      pixels[y * picture.width + x] = Colour(entry, entry[3] == kTransparentEntry ? 0 : 255);
    }
  }
  return pixels;
}

// The picture's pixels, rows top-down.
std::vector<Rgba> Pixels(const PixelPicture& picture) {
  if (picture.kind == PictureKind::kGif || picture.kind == PictureKind::kPcx8) return IndexedPixels(picture);
  const uint32_t width = picture.width, height = picture.height;
  const uint8_t* block = picture.pixels.data();
  std::vector<Rgba> pixels;
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) {
      switch (picture.kind) {
        case PictureKind::kJpeg:
        case PictureKind::kBmp:
          pixels.push_back(Colour(block + ((height - 1 - y) * width + x) * 3));
          break;
        case PictureKind::kPng: {
          const uint8_t* bgra = block + (y * width + x) * 4;
          pixels.push_back(Colour(bgra, bgra[3]));
          break;
        }
        case PictureKind::kPcx1: {
          const bool set = block[y * ((width + 15) / 16 * 2) + x / 8] >> (7 - x % 8) & 1;
          pixels.push_back(set ? Rgba{255, 255, 255, 255} : Rgba{0, 0, 0, 255});
          break;
        }
        default:
          ADD_FAILURE() << "not a pixel kind";
          return {};
      }
    }
  }
  return pixels;
}

TEST(PictureCorpus, DecodesLikeImageMagick) {
  const std::vector<CorpusPicture> corpus = ReadCorpus();
  ASSERT_FALSE(corpus.empty()) << "no corpus in the test folder";
  for (const CorpusPicture& file : corpus) {
    SCOPED_TRACE(file.name);
    const PictureKind kind = RecognisePicture(file.bytes);
    ASSERT_NE(kind, PictureKind::kNone);
    if (kind == PictureKind::kIcon || kind == PictureKind::kCursor) {
      const std::optional<IconImage> image = ChooseIconImage(file.bytes);
      ASSERT_TRUE(image);
      EXPECT_EQ(image->entry, file.entry);
      EXPECT_EQ(image->width, file.width);
      EXPECT_EQ(image->height, file.height);
      continue;
    }
    const std::optional<PixelPicture> picture = ReadPixelPicture(kind, file.bytes);
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->width, file.width);
    ASSERT_EQ(picture->height, file.height);
    EXPECT_TRUE(SamePixels(Pixels(*picture), file, kind == PictureKind::kPng || kind == PictureKind::kGif));
  }
}

}  // namespace
}  // namespace vx::test
