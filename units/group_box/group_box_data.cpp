#include "units/group_box/group_box_data.h"

namespace vx {
namespace {

using D = GroupBoxData;

// The stored order.
constexpr StoredField<D> kFields[] = {
    {&D::alignment}, {&D::textColour}, {&D::backColour}, {&D::font}, {&D::caption},
};

}  // namespace

const PropertyStream<GroupBoxData> GroupBoxData::kStream = {1, kFields};

}  // namespace vx
