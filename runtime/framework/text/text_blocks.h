// The layout of texts and byte sets in a heap block, whichever side allocated it:
// a text is its bytes and a zero byte; a byte set is the one-dimensional ArrayBlock
// of its bytes. The empty text and the empty set are null, never a block.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vx {

constexpr size_t TextBlockSize(size_t length) { return length + 1; }
constexpr size_t ByteSetBlockSize(size_t length) { return 2 * sizeof(int32_t) + length; }

// Fill a block of the size above; they return the block as its type.
char* FillText(void* block, const char* bytes, size_t length);
int32_t* FillByteSet(void* block, const void* bytes, size_t length);

}  // namespace vx
