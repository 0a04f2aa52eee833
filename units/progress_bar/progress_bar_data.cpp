#include "units/progress_bar/progress_bar_data.h"

namespace vx {
namespace {

using D = ProgressBarData;

// The stored order.
constexpr StoredField<D> kFields[] = {
    {&D::border}, {&D::orientation}, {&D::smooth}, {&D::minimum}, {&D::maximum}, {&D::position},
};

}  // namespace

const PropertyStream<ProgressBarData> ProgressBarData::kStream = {1, kFields};

}  // namespace vx
