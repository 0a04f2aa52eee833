// The readers at their edges: what is and is not a picture, what each refuses
// (short, malformed, claiming more than its data can hold), the icon image chosen,
// and the few decoding rules a whole picture would hide.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <initializer_list>

#include "pictures/bmp_reader.h"
#include "pictures/byte_fields.h"
#include "pictures/gif_reader.h"
#include "pictures/icon_directory.h"
#include "pictures/indexed_bitmap.h"
#include "pictures/jpeg_reader.h"
#include "pictures/pcx_reader.h"
#include "pictures/png_reader.h"
#include "tests/pictures/sample_pictures.h"

namespace vx::test {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Cut(Bytes bytes, size_t size) {
  bytes.resize(size);
  return bytes;
}

Bytes With(Bytes bytes, size_t offset, std::initializer_list<uint8_t> values) {
  std::copy(values.begin(), values.end(), bytes.begin() + offset);
  return bytes;
}

Bytes With32(Bytes bytes, size_t offset, uint32_t value) {
  PutLe32(&bytes[offset], value);
  return bytes;
}

Bytes Joined(std::initializer_list<Bytes> parts) {
  Bytes joined;
  for (const Bytes& part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

// A PNG of 2 by 2 pixels whose header claims another size, its checksum redone.
Bytes PngClaiming(uint32_t width, uint32_t height) {
  Bytes png = SamplePng(2, 2, PNG_FORMAT_RGBA);
  for (int i = 0; i < 4; ++i) {
    png[16 + i] = static_cast<uint8_t>(width >> (24 - 8 * i));
    png[20 + i] = static_cast<uint8_t>(height >> (24 - 8 * i));
  }
  const uint32_t crc = static_cast<uint32_t>(crc32(0, &png[12], 17));  // the chunk's type and data
  for (int i = 0; i < 4; ++i) png[29 + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
  return png;
}

// A JPEG of 8 by 8 pixels whose frame header claims 65500 by 65500.
Bytes JpegClaimingTheLargestSize() {
  const Bytes jpeg = SampleJpeg(8, 8, false, false);
  const uint8_t startOfFrame[] = {0xFF, 0xC0};
  const auto frame = std::search(jpeg.begin(), jpeg.end(), std::begin(startOfFrame), std::end(startOfFrame));
  return With(jpeg, frame - jpeg.begin() + 5, {0xFF, 0xDC, 0xFF, 0xDC});  // height, width
}

constexpr size_t kGifImage = 13 + 768;  // SampleGif's image descriptor, after the global table

// Where an icon file's image of that entry starts.
size_t IconImageAt(const Bytes& icon, size_t entry) { return Le32(&icon[6 + 16 * entry + 12]); }

TEST(RecognisePicture, TellsEachKindByItsFirstBytes) {
  const struct {
    const char* what;
    Bytes bytes;
    PictureKind kind;
  } rows[] = {
      {"5 bytes", {'B', 'M', 0, 0, 0}, PictureKind::kNone},
      {"BMP", {'B', 'M', 0, 0, 0, 0}, PictureKind::kBmp},
      {"JPEG", {0xFF, 0xD8, 0xFF, 0xE0, 0, 16}, PictureKind::kJpeg},
      {"PNG", {0x89, 'P', 'N', 'G', '\r', '\n'}, PictureKind::kPng},
      {"icon", {0, 0, 1, 0, 1, 0}, PictureKind::kIcon},
      {"icon of no images", {0, 0, 1, 0, 0, 0}, PictureKind::kNone},
      {"cursor", {0, 0, 2, 0, 3, 0}, PictureKind::kCursor},
      {"GIF87a", {'G', 'I', 'F', '8', '7', 'a'}, PictureKind::kGif},
      {"GIF89a", {'G', 'I', 'F', '8', '9', 'a'}, PictureKind::kGif},
      {"GIF88a", {'G', 'I', 'F', '8', '8', 'a'}, PictureKind::kNone},
      {"PCX version 5 of 8 bits", {10, 5, 1, 8, 0, 0}, PictureKind::kPcx8},
      {"PCX version 0 of 8 bits", {10, 0, 1, 8, 0, 0}, PictureKind::kPcx8},
      {"PCX version 6", {10, 6, 1, 8, 0, 0}, PictureKind::kNone},
      {"PCX not run-length encoded", {10, 5, 0, 8, 0, 0}, PictureKind::kNone},
      {"PCX version 3 of 1 bit", {10, 3, 1, 1, 0, 0}, PictureKind::kPcx1},
      {"PCX version 5 of 1 bit", {10, 5, 1, 1, 0, 0}, PictureKind::kNone},
  };
  for (const auto& row : rows) EXPECT_EQ(RecognisePicture(row.bytes), row.kind) << row.what;
}

template <auto reader>
bool Reads(std::span<const uint8_t> bytes) {
  return reader(bytes).has_value();
}

TEST(PictureReaders, RefuseShortMalformedAndImplausibleData) {
  const Bytes bmp = SampleBmp(8, 5, 3), gif = SampleGif(8, 8), pcx = SamplePcx(8, 5, 3);
  const Bytes png = SamplePng(16, 16, PNG_FORMAT_RGBA), jpeg = SampleJpeg(64, 64, false, false);
  const Bytes icon = SampleIcon(std::vector<IconEntry>{{16, 0, 32}, {32, 0, 32}});
  const struct {
    const char* what;
    bool (*reads)(std::span<const uint8_t>);
    Bytes bytes;
  } rows[] = {
      {"a run-length encoded BMP", Reads<ReadBmp>, With32(bmp, 30, 1)},
      {"a BMP of 16 bits", Reads<ReadBmp>, SampleBmp(16, 4, 4)},
      {"a BMP whose rows overflow 32 bits", Reads<ReadBmp>, With32(With32(bmp, 18, 0x40000001), 22, 0x7FFFFFFF)},
      {"a BMP of zero width", Reads<ReadBmp>, With32(bmp, 18, 0)},
      {"a BMP whose last row is cut", Reads<ReadBmp>, Cut(bmp, bmp.size() - 1)},
      {"a BMP whose rows start inside its headers", Reads<ReadBmp>, With32(bmp, 10, 50)},
      {"a BMP whose data offset is past its end", Reads<ReadBmp>, With32(bmp, 10, 0xFFFFFFF0)},
      {"a BMP whose colour table runs into its rows", Reads<ReadBmp>, With32(bmp, 46, 300)},
      {"a GIF image of 65535 by 65535", Reads<ReadGif>, With(gif, kGifImage + 5, {0xFF, 0xFF, 0xFF, 0xFF})},
      {"a GIF without an image", Reads<ReadGif>, Joined({Cut(gif, kGifImage), {0x3B}})},
      {"a GIF with a zero byte before its image", Reads<ReadGif>,
       Joined({Cut(gif, kGifImage), {0}, Bytes(gif.begin() + kGifImage, gif.end())})},
      {"a GIF with an unknown extension", Reads<ReadGif>,
       Joined({Cut(gif, kGifImage), {0x21, 0x02, 0}, Bytes(gif.begin() + kGifImage, gif.end())})},
      {"a GIF whose codes end before its pixels", Reads<ReadGif>,
       Joined({Cut(gif, kGifImage + 10), {8}, GifImageData(Bytes(63, 1)), {0x3B}})},
      {"a GIF with a code not yet in the dictionary", Reads<ReadGif>,
       Joined({Cut(gif, kGifImage + 10), {8}, GifCodes(std::vector<uint32_t>{256, 1, 300}), {0x3B}})},
      {"a GIF whose first code after a clear is not a pixel", Reads<ReadGif>,
       Joined({Cut(gif, kGifImage + 10), {8}, GifCodes(std::vector<uint32_t>{256, 258}), {0x3B}})},
      {"a GIF of a minimum code size of 9", Reads<ReadGif>, With(gif, kGifImage + 10, {9})},
      {"a GIF screen of zero width", Reads<ReadGif>, With(gif, 6, {0, 0})},
      {"a GIF ending in its global table", Reads<ReadGif>, Cut(gif, 100)},
      {"a GIF ending in its image data", Reads<ReadGif>, Cut(gif, gif.size() - 3)},
      {"a PCX window of 65535 by 65535 over 200 bytes", Reads<ReadPcx>,
       PcxWithData(8, 65535, 65535, 65535, Bytes(200, 7))},
      {"a PCX window ending before it starts", Reads<ReadPcx>, With(pcx, 4, {9, 0})},
      {"a PCX of 4 bits", Reads<ReadPcx>, With(pcx, 3, {4})},
      {"a PCX of three planes", Reads<ReadPcx>, With(pcx, 65, {3})},
      {"a PCX whose lines are shorter than its width", Reads<ReadPcx>, With(pcx, 66, {4, 0})},
      {"a PCX ending inside a row", Reads<ReadPcx>, Cut(pcx, 128 + 7)},
      {"a PCX ending inside a run", Reads<ReadPcx>, PcxWithData(8, 4, 1, 4, Bytes{0xC4})},
      {"7 bytes of PNG", Reads<ReadPng>, Cut(png, 7)},
      {"a PNG claiming 60000 by 60000", Reads<ReadPng>, PngClaiming(60000, 60000)},
      {"a PNG cut short", Reads<ReadPng>, Cut(png, png.size() - 20)},
      {"a JPEG claiming 65500 by 65500", Reads<ReadJpeg>, JpegClaimingTheLargestSize()},
      {"a JPEG cut short", Reads<ReadJpeg>, Cut(jpeg, jpeg.size() / 2)},
      {"an icon directory cut short", Reads<ChooseIconImage>, Cut(icon, 6 + 20)},
      {"an icon image past the end", Reads<ChooseIconImage>, With32(icon, 6 + 16 + 12, 0xFFFFFF00)},
      {"an icon image of zero width", Reads<ChooseIconImage>, With32(icon, IconImageAt(icon, 1) + 4, 0)},
  };
  for (const auto& row : rows) EXPECT_FALSE(row.reads(row.bytes)) << row.what;
  // The untouched samples read.
  for (const Bytes& whole : {bmp, gif, pcx}) EXPECT_TRUE(ReadPixelPicture(RecognisePicture(whole), whole));
  EXPECT_TRUE(ReadPng(png) && ReadJpeg(jpeg) && ChooseIconImage(icon));
}

TEST(ChooseIconImage, TakesTheFirstOf32PixelsWithMoreThan15ColoursElseTheLast) {
  const struct {
    const char* what;
    std::vector<IconEntry> entries;
    size_t chosen;
  } rows[] = {
      {"16 by 16 only", {{16, 0, 32}, {16, 16, 4}, {16, 0, 8}}, 2},
      {"32 pixels of 16 colours among others", {{16, 0, 32}, {32, 16, 4}, {48, 0, 32}}, 1},
      {"the first of two that qualify", {{48, 0, 32}, {32, 255, 8}, {32, 16, 4}}, 1},
      {"32 pixels of 15 colours", {{32, 15, 4}, {48, 0, 32}}, 1},
      {"16 colours of 48 pixels", {{48, 16, 4}, {16, 0, 32}}, 1},
      {"a 256-pixel image last", {{16, 0, 32}, {0, 0, 32}}, 1},
  };
  for (const auto& row : rows) {
    const std::optional<IconImage> image = ChooseIconImage(SampleIcon(row.entries));
    ASSERT_TRUE(image) << row.what;
    EXPECT_EQ(image->entry, row.chosen) << row.what;
    const uint32_t size = row.entries[row.chosen].width ? row.entries[row.chosen].width : 256;
    EXPECT_EQ(image->width, size) << row.what;
    EXPECT_EQ(image->height, size) << row.what << ": half the bitmaps' height";
  }
}

TEST(PcxReader, AByteOf192IsAPixelAndAboveItARun) {
  const std::optional<PixelPicture> picture = ReadPcx(PcxWithData(8, 4, 1, 4, Bytes{192, 0xC2, 7, 1}));
  ASSERT_TRUE(picture);
  EXPECT_EQ(Bytes(picture->pixels.data() + kIndexedHeaderBytes, picture->pixels.data() + kIndexedHeaderBytes + 4),
            (Bytes{192, 7, 7, 1}));
}

TEST(BmpReader, IndexesBeyondTheColoursGivenAreBlack) {
  // The sample's indexes 0, 7, 14, 21 with 8 colours given; the rest of the
  // sample's table stays in the file, skipped before the rows.
  const std::optional<PixelPicture> picture = ReadBmp(With32(SampleBmp(8, 4, 1), 46, 8));
  ASSERT_TRUE(picture);
  const uint8_t* pixels = picture->pixels.data();
  EXPECT_EQ(Bytes(pixels, pixels + 12), (Bytes{0, 0, 0, 7, 7, 7, 0, 0, 0, 0, 0, 0}));
}

TEST(GifReader, MarksTheTransparentColourOfItsGraphicControlExtension) {
  std::optional<PixelPicture> picture = ReadGif(SampleGif(4, 4, 7));
  ASSERT_TRUE(picture);
  for (uint32_t i = 0; i < kIndexedColours; ++i) {
    EXPECT_EQ(IndexedColour(picture->pixels, i)[3], i == 7 ? kTransparentEntry : 0) << i;
  }
}

}  // namespace
}  // namespace vx::test
