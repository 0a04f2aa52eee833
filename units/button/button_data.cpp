#include "units/button/button_data.h"

namespace vx {
namespace {

using D = ButtonData;

// The stored order.
constexpr StoredField<D> kFields[] = {
    {&D::buttonType}, {&D::alignment}, {&D::verticalAlignment}, {&D::picture}, {&D::font}, {&D::caption},
};

}  // namespace

const PropertyStream<ButtonData> ButtonData::kStream = {1, kFields};

}  // namespace vx
