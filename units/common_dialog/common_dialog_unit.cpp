#include "units/common_dialog/common_dialog_unit.h"

#include "runtime/framework/runtime_link.h"
#include "runtime/framework/window_class.h"
#include "units/common_dialog/common_dialogs.h"

namespace vx {
namespace {

constexpr wchar_t kClassName[] = L"_VX_CommonDlg";

namespace dialog_type {
constexpr int32_t kOpenFile = 0;
constexpr int32_t kSaveFile = 1;
constexpr int32_t kFont = 2;
constexpr int32_t kHelp = 3;
}  // namespace dialog_type

// No background brush, so nothing is ever painted.
constexpr WindowClassInfo kDialogClass = {kClassName, WindowObject::FrameworkWindowProc, CS_DBLCLKS};

}  // namespace

// The loader's style bits are left out: the unit is never shown.
bool CommonDialogUnit::Create(const UnitPlacement& placement) {
  if (!EnsureWindowClass(kDialogClass)) return false;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (designFlag() ? WS_BORDER : 0);
  return CreateFrameworkWindow(0, kClassName, L"", style, placement.x, placement.y, placement.width, placement.height,
                               placement.parent,
                               reinterpret_cast<HMENU>(static_cast<uintptr_t>(placement.controlId))) != nullptr;
}

bool CommonDialogUnit::Open() {
  switch (data_.dialogType) {
    case dialog_type::kOpenFile:
    case dialog_type::kSaveFile:
      return RunFileDialog(data_, data_.dialogType == dialog_type::kSaveFile);
    case dialog_type::kFont:
      return RunFontDialog(data_);
    case dialog_type::kHelp: {
      UnitObject* holder = CoreLibraryLink().FindUnit(windowId(), 0);
      return RunHelp(data_, holder ? holder->handle() : nullptr);
    }
    default:
      return false;
  }
}

}  // namespace vx
