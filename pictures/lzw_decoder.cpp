#include "pictures/lzw_decoder.h"

#include <cstddef>

namespace vx {
namespace {

constexpr uint32_t kMaxCodeBits = 12;

// Codes, least significant bit first, of a width that grows as the dictionary does.
class CodeReader {
 public:
  explicit CodeReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  // False at the end of the bytes.
  bool Next(uint32_t bits, uint32_t& code) {
    while (count_ < bits) {
      if (position_ == bytes_.size()) return false;
      buffer_ |= static_cast<uint32_t>(bytes_[position_++]) << count_;
      count_ += 8;
    }
    code = buffer_ & ((1u << bits) - 1);
    buffer_ >>= bits;
    count_ -= bits;
    return true;
  }

 private:
  std::span<const uint8_t> bytes_;
  size_t position_ = 0;
  uint32_t buffer_ = 0;
  uint32_t count_ = 0;
};

// Each entry is the string of its prefix entry followed by its last pixel.
struct Dictionary {
  uint16_t prefix[kLzwDictionarySize];
  uint16_t length[kLzwDictionarySize];
  uint8_t last[kLzwDictionarySize];
  uint8_t first[kLzwDictionarySize];
};

}  // namespace

bool DecodeLzw(std::span<const uint8_t> codes, uint32_t minimumCodeSize, std::span<uint8_t> out) {
  const uint32_t clear = 1u << minimumCodeSize, end = clear + 1;
  Dictionary d;
  for (uint32_t i = 0; i < clear; ++i) {
    d.prefix[i] = 0;
    d.length[i] = 1;
    d.last[i] = d.first[i] = static_cast<uint8_t>(i);
  }
  CodeReader reader(codes);
  uint32_t bits = minimumCodeSize + 1, next = clear + 2, code = 0;
  bool afterClear = true;
  uint32_t previous = 0;
  uint8_t* o = out.data();
  uint8_t* const oEnd = o + out.size();
  while (o < oEnd) {
    if (!reader.Next(bits, code)) return false;
    if (code == clear) {
      bits = minimumCodeSize + 1;
      next = clear + 2;
      afterClear = true;
      continue;
    }
    if (code == end) return false;
    if (afterClear) {
      if (code > clear) return false;  // the first code after a clear is a pixel
      *o++ = static_cast<uint8_t>(code);
      previous = code;
      afterClear = false;
      continue;
    }
    if (code > next) return false;
    // A new entry: the previous string and the first pixel of this one, which is
    // the previous string's own first pixel when this code is the entry itself.
    if (next < kLzwDictionarySize) {
      d.prefix[next] = static_cast<uint16_t>(previous);
      d.length[next] = static_cast<uint16_t>(d.length[previous] + 1);
      d.first[next] = d.first[previous];
      d.last[next] = code == next ? d.first[previous] : d.first[code];
      if (++next == 1u << bits && bits < kMaxCodeBits) ++bits;
    }
    // The string is written from its end; one longer than the pixels left loses its end.
    uint32_t length = d.length[code], c = code;
    const auto left = static_cast<uint32_t>(oEnd - o);
    for (; length > left; --length) c = d.prefix[c];
    for (uint8_t* p = o + length; p > o; c = d.prefix[c]) *--p = d.last[c];
    o += length;
    previous = code;
  }
  return true;
}

}  // namespace vx
