#include "contract/values.h"

namespace vx {

int64_t ArrayElementCount(const int32_t* block) {
  if (!block) return 0;
  int64_t count = 1;
  for (int32_t d = 0; d < block[0]; ++d) count *= block[1 + d] > 0 ? block[1 + d] : 0;
  return block[0] > 0 ? count : 0;
}

}  // namespace vx
