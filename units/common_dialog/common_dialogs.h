// The system dialogs the common dialog unit shows on Open, one file each. Each
// takes its inputs from the unit's properties and, when the user confirms, writes
// its outputs back; a cancelled dialog changes nothing and gives false.
#pragma once

#include <windows.h>

#include "units/common_dialog/common_dialog_data.h"

namespace vx {

// Open (save false) or save file dialog, with no owner window: the chosen full
// path becomes FileName.
bool RunFileDialog(CommonDialogData& data, bool save);
// Font dialog with screen fonts and effects: colour, weight, italic, strike-out,
// underline, face name and size in points in and out.
bool RunFontDialog(CommonDialogData& data);
// The help viewer for the window holding the unit; false when that window is gone
// or the help file does not exist.
bool RunHelp(const CommonDialogData& data, HWND holder);

}  // namespace vx
