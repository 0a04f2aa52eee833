#include "units/label/label_data.h"

namespace vx {
namespace {

using D = LabelData;

// The stored order.
constexpr StoredField<D> kFields[] = {
    {&D::effect},
    {&D::frameWidth},
    {&D::border},
    {&D::frameColour1},
    {&D::frameColour2},
    {&D::frameColour3},
    {&D::textColour},
    {&D::backColour},
    {&D::pictureMode},
    {&D::gradientMode},
    {&D::gradientColour1},
    {&D::gradientColour2},
    {&D::gradientColour3},
    {&D::alignment},
    {&D::verticalAlignment},
    {&D::wordWrap},
    {&D::font},
    {&D::backPicture},
    {&D::caption},
    {&D::dataSource, 2},
    {&D::dataColumn, 2},
};

}  // namespace

const PropertyStream<LabelData> LabelData::kStream = {2, kFields};

}  // namespace vx
