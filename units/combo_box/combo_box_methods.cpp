#include "units/combo_box/combo_box_methods.h"

#include "contract/notify_codes.h"
#include "runtime/framework/runtime_link.h"
#include "units/combo_box/combo_box_unit.h"

namespace vx {
namespace {

// The combo box the unit reference names; a missing unit is the runtime's fatal
// error, a unit of another type gives null.
ComboBoxUnit* UnitArgument(int count, const MDATA* args) {
  if (count < 1) return nullptr;
  return dynamic_cast<ComboBoxUnit*>(CoreLibraryLink().ExistingUnit(args[0].words[0], args[0].words[1]));
}

int32_t IntegerArgument(int count, MDATA* args, int index) {
  if (!HasArgument(count, args, index)) return 0;
  return CoreLibraryLink().ToInteger(args[index]);
}

}  // namespace

void ComboBoxAddItem(MDATA* result, int count, MDATA* args) {
  result->raw = 0;
  result->type = type::kInt;
  result->intValue = -1;
  ComboBoxUnit* unit = UnitArgument(count, args);
  if (!unit || !unit->IsLive()) return;
  const char* text = count > 1 ? args[1].text : nullptr;
  result->intValue = unit->AddItem(text, IntegerArgument(count, args, 2));
}

void ComboBoxGetItemText(MDATA* result, int count, MDATA* args) {
  result->raw = 0;
  result->type = type::kText;
  ComboBoxUnit* unit = UnitArgument(count, args);
  if (!unit || !unit->IsLive()) return;
  result->text = CoreLibraryLink().CopyText(unit->ItemText(IntegerArgument(count, args, 1)).c_str());
}

}  // namespace vx
