#include "units/common_dialog/common_dialog_type.h"

#include "units/common_dialog/common_dialog_unit.h"
#include "units/unit_base/unit_operations.h"

namespace vx {
namespace {

using D = CommonDialogData;
using U = CommonDialogUnit;

constexpr uint32_t kCommonDialogStateFlags = unit_state::kOwnsControl | unit_state::kNeverShown | unit_state::kCoreType;

// Every property is only kept: nothing is shown until Open.
constexpr PropertyRow<U> kRows[] = {
    {8, "DialogType", pt::kPickList, 0x8002, &D::dialogType, PickList(4)},
    {9, "Title", pt::kText, 0x8000, &D::title},
    {10, "FileName", pt::kText, 0x8000, &D::fileName},
    {11, "Filter", pt::kText, 0x8000, &D::filter},
    {12, "FilterIndex", pt::kInteger, 0x8001, &D::filterIndex, AtLeast(0)},
    {13, "InitialDirectory", pt::kText, 0x8000, &D::initialDirectory},
    {14, "DefaultExtension", pt::kText, 0x8000, &D::defaultExtension},
    {15, "PromptCreate", pt::kLogical, 0x8000, &D::promptCreate},
    {16, "FileMustExist", pt::kLogical, 0x8000, &D::fileMustExist},
    {17, "PromptOverwrite", pt::kLogical, 0x8000, &D::promptOverwrite},
    {18, "PathMustExist", pt::kLogical, 0x8000, &D::pathMustExist},
    {19, "KeepCurrentDirectory", pt::kLogical, 0x8002, &D::keepCurrentDirectory},
    {20, "FontColour", pt::kColour, 0x8000, &D::fontColour},
    {21, "Bold", pt::kLogical, 0x8000, &D::bold},
    {22, "Italic", pt::kLogical, 0x8000, &D::italic},
    {23, "Strikeout", pt::kLogical, 0x8000, &D::strikeout},
    {24, "Underline", pt::kLogical, 0x8000, &D::underline},
    {25, "FontName", pt::kText, 0x8000, &D::fontName},
    {26, "FontSize", pt::kInteger, 0x8002, &D::fontSize, AtLeast(0)},
    {27, "HelpFile", pt::kText, 0x8000, &D::helpFile},
    {28, "HelpCommand", pt::kPickList, 0x8000, &D::helpCommand, PickList(6)},
    {29, "HelpTopic", pt::kInteger, 0x8001, &D::helpTopic},
};

using Operations = UnitOperations<U, kRows>;

void* CommonDialogOperations(int32_t number) { return Operations::Find(number); }

}  // namespace

const UnitTypeInfo& CommonDialogUnitType() {
  static constexpr UnitTypeInfo kType = UnitTypeRecord("通用对话框", "CommonDlg", kCommonDialogStateFlags,
                                                       Operations::kPropertyInfos, CommonDialogOperations);
  return kType;
}

}  // namespace vx
