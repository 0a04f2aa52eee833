// Decoded pictures rendered as a unit draws them: every picture of the corpus
// renders to ImageMagick's pixels with its transparent parts over the background,
// icons and cursors come back as the picture's own icon, and a picture released
// leaves no GDI object behind.
#include <windows.h>

#include <gtest/gtest.h>

#include "pictures/decoded_picture.h"
#include "pictures/render_picture.h"
#include "tests/pictures/corpus.h"
#include "tests/support/gdi_object_count.h"

namespace vx::test {
namespace {

constexpr COLORREF kBackground = RGB(0x20, 0x80, 0xE0);

// The screen's device context, which a unit's window context is compatible with.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() { ReleaseDC(nullptr, dc_); }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

BITMAPINFO TopDown32(uint32_t width, uint32_t height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  return info;
}

std::vector<Rgba> FromBgrx(const std::vector<uint32_t>& pixels) {
  std::vector<Rgba> rgba;
  for (uint32_t p : pixels) rgba.push_back({uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p), 255});
  return rgba;
}

// A rendered bitmap read back.
std::vector<Rgba> BitmapPixels(HDC dc, const RenderedPicture& rendered) {
  BITMAPINFO info = TopDown32(rendered.width(), rendered.height());
  std::vector<uint32_t> pixels(size_t{rendered.width()} * rendered.height());
  EXPECT_EQ(GetDIBits(dc, rendered.bitmap(), 0, rendered.height(), pixels.data(), &info, DIB_RGB_COLORS),
            static_cast<int>(rendered.height()));
  return FromBgrx(pixels);
}

// An icon drawn over the background, as a button or window draws it.
std::vector<Rgba> IconPixels(HDC dc, const RenderedPicture& rendered) {
  BITMAPINFO info = TopDown32(rendered.width(), rendered.height());
  void* bits = nullptr;
  HBITMAP canvas = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(memory, canvas);
  std::fill_n(static_cast<uint32_t*>(bits), size_t{rendered.width()} * rendered.height(),
              GetRValue(kBackground) << 16 | GetGValue(kBackground) << 8 | GetBValue(kBackground));
  EXPECT_TRUE(DrawIconEx(memory, 0, 0, rendered.icon(), rendered.width(), rendered.height(), 0, nullptr, DI_NORMAL));
  GdiFlush();
  const auto* start = static_cast<const uint32_t*>(bits);
  std::vector<uint32_t> pixels(start, start + size_t{rendered.width()} * rendered.height());
  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteObject(canvas);
  return FromBgrx(pixels);
}

// ImageMagick's pixels over the background where its kind of picture has
// transparent parts; its colours alone where it has none. A colour and an alpha
// each within the tolerance compose to within twice it.
CorpusPicture OverBackground(CorpusPicture file, bool transparent) {
  if (transparent) file.tolerance *= 2;
  const uint8_t under[3] = {GetRValue(kBackground), GetGValue(kBackground), GetBValue(kBackground)};
  for (Rgba& p : file.reference) {
    const uint32_t a = transparent ? p.a : 255;
    uint8_t* channels[3] = {&p.r, &p.g, &p.b};
    for (int c = 0; c < 3; ++c) *channels[c] = static_cast<uint8_t>((a * *channels[c] + (255 - a) * under[c]) / 255);
    p.a = 255;
  }
  return file;
}

TEST(RenderPicture, EveryKindLooksAsImageMagickDecodesIt) {
  const std::vector<CorpusPicture> corpus = ReadCorpus();
  ASSERT_FALSE(corpus.empty()) << "no corpus in the test folder";
  ScreenDc screen;
  for (const CorpusPicture& file : corpus) {
    SCOPED_TRACE(file.name);
    const std::unique_ptr<DecodedPicture> picture = DecodePicture(file.bytes);
    ASSERT_TRUE(picture);
    const std::optional<RenderedPicture> rendered = RenderPicture(screen.get(), picture.get(), kBackground);
    ASSERT_TRUE(rendered);
    ASSERT_EQ(rendered->width(), file.width);
    ASSERT_EQ(rendered->height(), file.height);
    const PictureKind kind = picture->kind;
    const bool icon = kind == PictureKind::kIcon || kind == PictureKind::kCursor;
    if (icon) {
      EXPECT_EQ(rendered->icon(), picture->icon.get());
      EXPECT_EQ(rendered->bitmap(), nullptr);
      ICONINFO info{};
      ASSERT_TRUE(GetIconInfo(rendered->icon(), &info));
      DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask);
    }
    const bool transparent = icon || kind == PictureKind::kPng || kind == PictureKind::kGif;
    CorpusPicture expected = OverBackground(file, transparent);
    // The system blends an icon's partly transparent pixels with a rounding of its own.
    if (icon) expected.tolerance = std::max(expected.tolerance, 1);
    EXPECT_TRUE(SamePixels(icon ? IconPixels(screen.get(), *rendered) : BitmapPixels(screen.get(), *rendered), expected,
                           false));
  }
}

TEST(RenderPicture, APngPixelShowsTheBackgroundWhereTransparentAndItsOwnColourWhereOpaque) {
  // rgba.png's alpha runs 0, 1/4, 1/2, 3/4, 1 along each row.
  const std::vector<CorpusPicture> corpus = ReadCorpus();
  const auto file = std::find_if(corpus.begin(), corpus.end(), [](const auto& f) { return f.name == "rgba.png"; });
  ASSERT_NE(file, corpus.end());
  ScreenDc screen;
  const std::unique_ptr<DecodedPicture> picture = DecodePicture(file->bytes);
  ASSERT_TRUE(picture);
  for (COLORREF background : {kBackground, RGB(255, 255, 255)}) {
    const std::optional<RenderedPicture> rendered = RenderPicture(screen.get(), picture.get(), background);
    ASSERT_TRUE(rendered);
    const std::vector<Rgba> pixels = BitmapPixels(screen.get(), *rendered);
    ASSERT_EQ(file->reference[0].a, 0);
    EXPECT_EQ(pixels[0], (Rgba{GetRValue(background), GetGValue(background), GetBValue(background), 255}));
    const Rgba opaque = file->reference[4];
    ASSERT_EQ(opaque.a, 255);
    EXPECT_EQ(pixels[4], (Rgba{opaque.r, opaque.g, opaque.b, 255}));
  }
}

TEST(RenderPicture, ReleasedPicturesLeaveNoGdiObjectBehind) {
  const std::vector<CorpusPicture> corpus = ReadCorpus();
  ASSERT_FALSE(corpus.empty());
  ScreenDc screen;
  const DWORD before = GdiObjectCount();
  ASSERT_NE(before, 0u) << "no way to count GDI objects here";
  {
    std::vector<std::unique_ptr<DecodedPicture>> pictures;
    std::vector<RenderedPicture> rendered;
    for (const CorpusPicture& file : corpus) {
      pictures.push_back(DecodePicture(file.bytes));
      ASSERT_TRUE(pictures.back()) << file.name;
      rendered.push_back(*RenderPicture(screen.get(), pictures.back().get(), kBackground));
    }
    EXPECT_GT(GdiObjectCount(), before + corpus.size()) << "the count sees the pictures' objects";
  }
  EXPECT_EQ(GdiObjectCount(), before);
}

TEST(RenderPicture, NeedsAPictureAndADeviceContext) {
  ScreenDc screen;
  const std::unique_ptr<DecodedPicture> picture = DecodePicture(ReadCorpus().at(0).bytes);
  ASSERT_TRUE(picture);
  EXPECT_FALSE(RenderPicture(nullptr, picture.get(), kBackground));
  EXPECT_FALSE(RenderPicture(screen.get(), nullptr, kBackground));
}

}  // namespace
}  // namespace vx::test
