// Texts and byte sets as heap blocks. The empty text is null, never a block that
// holds only the terminator; the same holds for empty byte sets.
#pragma once

#include <cstdint>

#include "contract/values.h"

namespace vx {

// A new heap copy, or null for a null or empty text.
char* CopyText(const char* text);
// A new text from a byte run; null when the length is 0 or less.
char* MakeText(const char* bytes, int32_t length);
// A new one-dimensional byte block; null when the length is 0 or less.
int32_t* MakeByteSet(const void* bytes, int32_t length);
inline int32_t ByteSetLength(const int32_t* set) { return set ? set[1] : 0; }

// Frees an array block of the given element type; the elements of text and byte
// set arrays are blocks of their own and are freed first.
void FreeArray(int32_t* block, DataType elementType);

}  // namespace vx
