#include "units/slider_bar/slider_bar_data.h"

namespace vx {
namespace {

using D = SliderBarData;

// The stored order.
constexpr StoredField<D> kFields[] = {
    {&D::border},           {&D::orientation},    {&D::tickPosition},    {&D::tickFrequency},
    {&D::selectionEnabled}, {&D::selectionStart}, {&D::selectionLength}, {&D::pageSize},
    {&D::lineSize},         {&D::minimum},        {&D::maximum},         {&D::position},
};

}  // namespace

const PropertyStream<SliderBarData> SliderBarData::kStream = {1, kFields};

}  // namespace vx
