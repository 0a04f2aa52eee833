#include "pictures/render_picture.h"

#include <cstring>
#include <vector>

#include "pictures/indexed_bitmap.h"

namespace vx {
namespace {

// A bitmap of the device context's format holding the rows a header describes.
HBITMAP FromRows(HDC dc, uint32_t width, uint32_t height, const BITMAPINFO& info, const void* rows) {
  HBITMAP bitmap = CreateCompatibleBitmap(dc, static_cast<int>(width), static_cast<int>(height));
  if (bitmap && SetDIBits(dc, bitmap, 0, height, rows, &info, DIB_RGB_COLORS) == 0) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

BITMAPINFO Header(uint32_t width, int32_t height, WORD bitsPerPixel) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bitsPerPixel;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// JPEG and BMP: 3-byte pixels, rows bottom-up and packed. A bitmap's rows are
// padded to 4 bytes, so rows of other lengths are copied into padded ones.
HBITMAP FromBgr(HDC dc, const DecodedPicture& picture) {
  const BITMAPINFO info = Header(picture.width, static_cast<int32_t>(picture.height), 24);
  const size_t packed = size_t{picture.width} * 3, stride = (packed + 3) & ~size_t{3};
  if (stride == packed) return FromRows(dc, picture.width, picture.height, info, picture.pixels.data());
  std::vector<uint8_t> padded(stride * picture.height);
  for (size_t row = 0; row < picture.height; ++row) {
    std::memcpy(&padded[row * stride], picture.pixels.data() + row * packed, packed);
  }
  return FromRows(dc, picture.width, picture.height, info, padded.data());
}

HBITMAP FromBgra(HDC dc, uint32_t width, uint32_t height, const std::vector<uint32_t>& pixels) {
  return FromRows(dc, width, height, Header(width, -static_cast<int32_t>(height), 32), pixels.data());
}

uint32_t Bgr(COLORREF colour) { return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour); }

// GIF: the image at the top-left corner of its logical screen, its transparent
// colour and the rest of the screen showing the background.
HBITMAP FromGif(HDC dc, const DecodedPicture& picture, COLORREF background) {
  if (uint64_t{picture.width} * picture.height * 4 > kMaxPixelBytes) return nullptr;
  const uint8_t* block = picture.pixels.data();
  const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(block);
  const uint32_t imageWidth = header->biWidth, imageHeight = -header->biHeight;
  uint32_t colours[kIndexedColours];
  for (uint32_t i = 0; i < kIndexedColours; ++i) {
    const uint8_t* entry = block + kInfoHeaderBytes + i * 4;
    colours[i] = entry[3] == kTransparentEntry ? Bgr(background) : entry[2] << 16 | entry[1] << 8 | entry[0];
  }
  std::vector<uint32_t> screen(size_t{picture.width} * picture.height, Bgr(background));
  const uint8_t* rows = block + kIndexedHeaderBytes;
  const size_t stride = IndexedStride(imageWidth);
  for (uint32_t y = 0; y < imageHeight && y < picture.height; ++y) {
    uint32_t* out = &screen[size_t{y} * picture.width];
    for (uint32_t x = 0; x < imageWidth && x < picture.width; ++x) out[x] = colours[rows[y * stride + x]];
  }
  return FromBgra(dc, picture.width, picture.height, screen);
}

// PNG: each channel composed over the background's by the pixel's alpha,
// truncate(a / 255 * pixel + (1 - a / 255) * background), computed exactly.
HBITMAP FromPng(HDC dc, const DecodedPicture& picture, COLORREF background) {
  const uint8_t under[3] = {GetBValue(background), GetGValue(background), GetRValue(background)};
  std::vector<uint32_t> composed(size_t{picture.width} * picture.height);
  const uint8_t* in = picture.pixels.data();
  for (uint32_t& out : composed) {
    const uint32_t alpha = in[3];
    uint32_t pixel = 0;
    for (int channel = 2; channel >= 0; --channel) {
      pixel = pixel << 8 | (alpha * in[channel] + (255 - alpha) * under[channel]) / 255;
    }
    out = pixel;
    in += 4;
  }
  return FromBgra(dc, picture.width, picture.height, composed);
}

HBITMAP MakeBitmap(HDC dc, const DecodedPicture& picture, COLORREF background) {
  const uint8_t* block = picture.pixels.data();
  switch (picture.kind) {
    case PictureKind::kJpeg:
    case PictureKind::kBmp:
      return FromBgr(dc, picture);
    case PictureKind::kGif:
      return FromGif(dc, picture, background);
    case PictureKind::kPcx8:
      return FromRows(dc, picture.width, picture.height, *reinterpret_cast<const BITMAPINFO*>(block),
                      block + kIndexedHeaderBytes);
    case PictureKind::kPcx1:
      return CreateBitmap(static_cast<int>(picture.width), static_cast<int>(picture.height), 1, 1, block);
    case PictureKind::kPng:
      return FromPng(dc, picture, background);
    case PictureKind::kNone:
    case PictureKind::kIcon:
    case PictureKind::kCursor:
      break;
  }
  return nullptr;
}

}  // namespace

std::optional<RenderedPicture> RenderPicture(HDC dc, const DecodedPicture* picture, COLORREF background) {
  if (!dc || !picture) return std::nullopt;
  if (picture->icon.get()) return RenderedPicture(nullptr, picture->icon.get(), picture->width, picture->height);
  HBITMAP bitmap = MakeBitmap(dc, *picture, background);
  if (!bitmap) return std::nullopt;
  return RenderedPicture(bitmap, nullptr, picture->width, picture->height);
}

}  // namespace vx
