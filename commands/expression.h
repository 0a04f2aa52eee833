// Expression support of compiled code: the small routines the handlers' own code
// calls for text joins, text comparison, number truncation and array subscripts.
#pragma once

#include <cstdint>

namespace vx {

// A new heap text of the pieces in order (null pieces count as empty). Always a
// block, even when every piece is empty: compiled code owns and frees it.
char* JoinTexts(int count, const char* const* texts);
// -1, 0 or 1; null and "" are equal; bytes compare unsigned.
int CompareTexts(const char* a, const char* b);
// Toward zero. NaN and values outside the 64-bit range give the processor's
// "integer indefinite" 0x8000000000000000, as the conversion instruction does.
int64_t TruncateToInt64(double value);
// Product of the array block's dimension sizes.
int64_t ElementCount(const int32_t* arrayBlock);
// Checks a 1-based subscript: below 1 is runtime error 4, above the count error 1.
void CheckSubscript(int64_t index, int64_t count);

}  // namespace vx
