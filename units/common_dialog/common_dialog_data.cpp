#include "units/common_dialog/common_dialog_data.h"

namespace vx {
namespace {

using D = CommonDialogData;

// The stored order.
constexpr StoredField<D> kFields[] = {
    {&D::dialogType},
    {&D::filterIndex},
    {&D::promptCreate},
    {&D::fileMustExist},
    {&D::promptOverwrite},
    {&D::pathMustExist},
    {&D::keepCurrentDirectory},
    {&D::fontColour},
    {&D::bold},
    {&D::italic},
    {&D::strikeout},
    {&D::underline},
    {&D::fontSize},
    {&D::helpCommand},
    {&D::helpTopic},
    {&D::title},
    {&D::fileName},
    {&D::filter},
    {&D::initialDirectory},
    {&D::defaultExtension},
    {&D::fontName},
    {&D::helpFile},
};

}  // namespace

const PropertyStream<CommonDialogData> CommonDialogData::kStream = {1, kFields};

}  // namespace vx
