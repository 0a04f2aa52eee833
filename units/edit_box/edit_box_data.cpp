#include "units/edit_box/edit_box_data.h"

namespace vx {
namespace {

using D = EditBoxData;

// The stored order.
constexpr StoredField<D> kFields[] = {
    {&D::border},        {&D::textColour},
    {&D::backColour},    {&D::hideSelection},
    {&D::maxLength},     {&D::multiLine},
    {&D::scrollBars},    {&D::alignment},
    {&D::inputMode},     {&D::passwordChar, 0, Encoding::kCharCode},
    {&D::letterCase},    {&D::spinType},
    {&D::spinMinimum},   {&D::spinMaximum},
    {&D::selStart},      {&D::selLength},
    {&D::font},          {&D::content},
    {&D::dataSource, 2}, {&D::dataColumn, 2},
};

}  // namespace

const PropertyStream<EditBoxData> EditBoxData::kStream = {2, kFields};

}  // namespace vx
