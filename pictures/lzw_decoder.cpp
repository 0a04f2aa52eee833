#include "pictures/lzw_decoder.h"

#include <cstddef>
#include <cstring>

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

}  // namespace

// An entry's string is the previous code's string and the first pixel of the
// string after it, and so lies in the output already, at the place where that
// previous string was written: each entry is kept as that place and its length,
// and written again by copying.
bool DecodeLzw(std::span<const uint8_t> codes, uint32_t minimumCodeSize, std::span<uint8_t> out) {
  const uint32_t clear = 1u << minimumCodeSize, end = clear + 1;
  uint32_t start[kLzwDictionarySize];
  uint16_t length[kLzwDictionarySize];
  CodeReader reader(codes);
  uint32_t bits = minimumCodeSize + 1, next = clear + 2, code = 0;
  uint8_t* const first = out.data();
  uint8_t* const last = first + out.size();
  uint8_t* o = first;
  uint8_t* previous = nullptr;  // where the previous code's string starts; null after a clear
  uint32_t previousLength = 0;
  while (o < last) {
    if (!reader.Next(bits, code)) return false;
    if (code == clear) {
      bits = minimumCodeSize + 1;
      next = clear + 2;
      previous = nullptr;
      continue;
    }
    if (code == end || code > next || (!previous && code > clear)) return false;
    if (previous && next < kLzwDictionarySize) {
      start[next] = static_cast<uint32_t>(previous - first);
      length[next] = static_cast<uint16_t>(previousLength + 1);
      if (++next == 1u << bits && bits < kMaxCodeBits) ++bits;
    }
    const auto left = static_cast<uint32_t>(last - o);
    if (code < clear) {
      *o = static_cast<uint8_t>(code);
      previousLength = 1;
    } else if (code + 1 < next) {
      previousLength = length[code] < left ? length[code] : left;
      std::memcpy(o, first + start[code], previousLength);
    } else {
      // The entry just made: the previous string and its own first pixel, which
      // this copy writes before it reads it.
      previousLength = length[code] < left ? length[code] : left;
      const uint8_t* from = first + start[code];
      for (uint32_t i = 0; i < previousLength; ++i) o[i] = from[i];
    }
    previous = o;
    o += previousLength;
  }
  return true;
}

}  // namespace vx
