#include "runtime/runtime_state.h"

#include <algorithm>

namespace vx {

RuntimeState& Runtime() {
  static RuntimeState state;
  return state;
}

void RegisterExitRoutine(ExitRoutine routine) {
  auto& routines = Runtime().exitRoutines;
  if (std::find(routines.begin(), routines.end(), routine) == routines.end()) routines.push_back(routine);
}

}  // namespace vx
