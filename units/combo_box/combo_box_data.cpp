#include "units/combo_box/combo_box_data.h"

namespace vx {
namespace {

using D = ComboBoxData;

// The stored order.
constexpr StoredField<D> kFields[] = {
    {&D::comboType},     {&D::maxLength},  {&D::selStart},   {&D::selLength},        {&D::sorted},
    {&D::itemSpacing},   {&D::textColour}, {&D::backColour}, {&D::currentSelection}, {&D::font},
    {&D::itemValues},    {&D::content},    {&D::items},      {&D::dataSource, 2},    {&D::dataColumn, 2},
    {&D::dataOption, 3},
};

}  // namespace

const PropertyStream<ComboBoxData> ComboBoxData::kStream = {3, kFields};

}  // namespace vx
