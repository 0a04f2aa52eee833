// The common dialog: a unit without a face whose Open shows the system's open,
// save or font dialog, or drives the help viewer, as DialogType says. Its window
// of class "_VX_CommonDlg" paints nothing and is never shown.
#pragma once

#include "units/common_dialog/common_dialog_data.h"
#include "units/unit_base/data_unit.h"

namespace vx {

class CommonDialogUnit : public DataUnit<CommonDialogData> {
 public:
  using DataUnit::DataUnit;

  bool Create(const UnitPlacement& placement);

  // True when the user confirmed the dialog or the help viewer was started. Runs a
  // modal dialog: the caller holds the object meanwhile.
  bool Open();
};

}  // namespace vx
