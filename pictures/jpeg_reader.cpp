#include "pictures/jpeg_reader.h"

// libjpeg's header wants the C library's FILE declared first.
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

namespace vx {
namespace {

// libjpeg reports a failure by calling error_exit, which must not return: it
// jumps back to Decode's start. A premature end of the data, which libjpeg only
// warns about (it pads the image with grey), fails the same way.
struct JpegErrors {
  jpeg_error_mgr manager;
  std::jmp_buf failed;
};

[[noreturn]] void Fail(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->failed, 1); }

void Message(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) Fail(info);
}

// Holds nothing with a destructor: a failure leaves it through longjmp.
bool Decode(jpeg_decompress_struct& info, JpegErrors& errors, std::span<const uint8_t> bytes, PixelPicture& picture) {
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = Fail;
  errors.manager.emit_message = Message;
  if (setjmp(errors.failed)) return false;
  jpeg_create_decompress(&info);
  // What libjpeg itself may hold (a progressive image's coefficients) is bounded
  // as the pixel block is.
  info.mem->max_memory_to_use = kMaxPixelBytes;
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
  info.out_color_space = JCS_EXT_BGR;
  jpeg_start_decompress(&info);
  picture.width = info.output_width;
  picture.height = info.output_height;
  const uint64_t stride = uint64_t{picture.width} * 3;
  picture.pixels = PixelBlock::Allocate(stride * picture.height);
  if (!picture.pixels) return false;
  // libjpeg gives rows top-down; the block holds them bottom-up.
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = picture.pixels.data() + (picture.height - 1 - info.output_scanline) * stride;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

std::optional<PixelPicture> ReadJpeg(std::span<const uint8_t> bytes) {
  jpeg_decompress_struct info{};
  JpegErrors errors{};
  PixelPicture picture{PictureKind::kJpeg, 0, 0, {}};
  const bool decoded = Decode(info, errors, bytes, picture);
  jpeg_destroy_decompress(&info);
  if (!decoded) return std::nullopt;
  return picture;
}

}  // namespace vx
