// Expression support of compiled code: the small routines the handlers' own code
// calls for text joins, text comparison, number truncation and array subscripts.
// They reach the runtime through the helper table the program was given.
#pragma once

#include <cstdint>

#include "contract/helper_table.h"
#include "contract/value_conversions.h"

namespace vx {

// A new heap text of the pieces in order (null pieces count as empty). Always a
// block, even when every piece is empty: compiled code owns and frees it.
char* JoinTexts(const RuntimeHelperTable& runtime, int count, const char* const* texts);
// -1, 0 or 1; null and "" are equal; bytes compare unsigned.
int CompareTexts(const char* a, const char* b);
// Product of the array block's dimension sizes.
int64_t ElementCount(const int32_t* arrayBlock);
// Checks a 1-based subscript: below 1 is runtime error 4, above the count error 1.
void CheckSubscript(const RuntimeHelperTable& runtime, int64_t index, int64_t count);

}  // namespace vx
