#include "units/common_dialog/common_dialog_type.h"

#include "units/common_dialog/common_dialog_unit.h"
#include "units/unit_base/unit_operations.h"

namespace vx {
namespace {

using D = CommonDialogData;
using U = CommonDialogUnit;
namespace P = common_dialog_property;

constexpr uint32_t kCommonDialogStateFlags = unit_state::kOwnsControl | unit_state::kNeverShown | unit_state::kCoreType;

// Every property is only kept: nothing is shown until Open.
constexpr PropertyRow<U> kRows[] = {
    {P::kDialogType, "DialogType", pt::kPickList, property_flag::kDialogOption, &D::dialogType, PickList(4)},
    {P::kTitle, "Title", pt::kText, kPlain, &D::title},
    {P::kFileName, "FileName", pt::kText, kPlain, &D::fileName},
    {P::kFilter, "Filter", pt::kText, kPlain, &D::filter},
    {P::kFilterIndex, "FilterIndex", pt::kInteger, kQualifier, &D::filterIndex, AtLeast(0)},
    {P::kInitialDirectory, "InitialDirectory", pt::kText, kPlain, &D::initialDirectory},
    {P::kDefaultExtension, "DefaultExtension", pt::kText, kPlain, &D::defaultExtension},
    {P::kPromptCreate, "PromptCreate", pt::kLogical, kPlain, &D::promptCreate},
    {P::kFileMustExist, "FileMustExist", pt::kLogical, kPlain, &D::fileMustExist},
    {P::kPromptOverwrite, "PromptOverwrite", pt::kLogical, kPlain, &D::promptOverwrite},
    {P::kPathMustExist, "PathMustExist", pt::kLogical, kPlain, &D::pathMustExist},
    {P::kKeepCurrentDirectory, "KeepCurrentDirectory", pt::kLogical, property_flag::kDialogOption,
     &D::keepCurrentDirectory},
    {P::kFontColour, "FontColour", pt::kColour, kPlain, &D::fontColour},
    {P::kBold, "Bold", pt::kLogical, kPlain, &D::bold},
    {P::kItalic, "Italic", pt::kLogical, kPlain, &D::italic},
    {P::kStrikeout, "Strikeout", pt::kLogical, kPlain, &D::strikeout},
    {P::kUnderline, "Underline", pt::kLogical, kPlain, &D::underline},
    {P::kFontName, "FontName", pt::kText, kPlain, &D::fontName},
    {P::kFontSize, "FontSize", pt::kInteger, property_flag::kDialogOption, &D::fontSize, AtLeast(0)},
    {P::kHelpFile, "HelpFile", pt::kText, kPlain, &D::helpFile},
    {P::kHelpCommand, "HelpCommand", pt::kPickList, kPlain, &D::helpCommand, PickList(6)},
    {P::kHelpTopic, "HelpTopic", pt::kInteger, kQualifier, &D::helpTopic},
};

}  // namespace

const UnitTypeInfo& CommonDialogUnitType() {
  static constexpr UnitTypeInfo kType = UnitTypeOf<U, kRows>({"通用对话框", "CommonDlg"}, kCommonDialogStateFlags);
  return kType;
}

}  // namespace vx
