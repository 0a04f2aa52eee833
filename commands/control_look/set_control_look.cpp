#include "commands/control_look/set_control_look.h"

#include "commands/control_look/control_look.h"

namespace vx {

void SetControlLook(MDATA* result, int count, MDATA* args) {
  const int style = HasArgument(count, args, 0) ? args[0].intValue : 0;
  const bool done = look::SetLookStyle(style);
  result->raw = 0;
  result->intValue = done ? 1 : 0;
  result->type = type::kBool;
}

const LibraryRecord& ControlLookLibrary() {
  static const LibraryRecord library = {nullptr, 0, nullptr};
  return library;
}

}  // namespace vx
