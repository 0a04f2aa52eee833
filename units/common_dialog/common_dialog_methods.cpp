#include "units/common_dialog/common_dialog_methods.h"

#include "contract/notify_codes.h"
#include "runtime/framework/runtime_link.h"
#include "units/common_dialog/common_dialog_unit.h"

namespace vx {

// The dialog runs its own message loop, where the program's handlers keep running
// and may destroy the unit: the object is held until Open returns.
void CommonDialogOpen(MDATA* result, int count, MDATA* args) {
  result->raw = 0;
  result->type = type::kBool;
  if (count < 1) return;
  auto* unit = dynamic_cast<CommonDialogUnit*>(CoreLibraryLink().ExistingUnit(args[0].words[0], args[0].words[1]));
  if (!unit || !unit->IsLive()) return;
  WindowObject::Hold held(unit);
  result->intValue = unit->Open() ? 1 : 0;
}

}  // namespace vx
