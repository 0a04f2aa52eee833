#include <cstring>

#include "contract/program.h"

namespace vx {

double EventArguments::Double(int i) const {
  double value;
  std::memcpy(&value, &values[i], sizeof value);
  return value;
}

}  // namespace vx
