#include "units/label/label_type.h"

#include "units/label/label_gradient.h"
#include "units/label/label_unit.h"
#include "units/unit_base/unit_operations.h"

namespace vx {
namespace {

using D = LabelData;
using L = LabelUnit;

constexpr uint32_t kLabelStateFlags = unit_state::kOwnsControl | unit_state::kMnemonicFocusesNext |
                                      unit_state::kNoNavigationFocus | unit_state::kDragsWindow | unit_state::kCoreType;

constexpr auto kRepaint = Effect::kRepaint;

constexpr PropertyRow<L> kRows[] = {
    {8, "Caption", pt::kText, 0x8000, &D::caption, {}, Call(&L::ApplyCaption)},
    {9, "Effect", pt::kPickList, 0x8000, &D::effect, PickList(4), kRepaint},
    {10, "Border", pt::kPickList, 0x8000, &D::border, PickList(7), Call(&L::ApplyBorder)},
    {11, "FrameWidth", pt::kInteger, 0x8001, &D::frameWidth, AtLeast(5), kRepaint},
    {12, "FrameColour1", pt::kColourWithAlpha, 0x8001, &D::frameColour1, {}, kRepaint},
    {13, "FrameColour2", pt::kColourWithAlpha, 0x8001, &D::frameColour2, {}, kRepaint},
    {14, "FrameColour3", pt::kColourWithAlpha, 0x8001, &D::frameColour3, {}, kRepaint},
    {15, "Font", pt::kFont, 0x8000, &D::font, {}, Call(&L::ApplyFont)},
    {16, "TextColour", pt::kColour, 0x8000, &D::textColour, {}, kRepaint},
    {17, "BackColour", pt::kBackgroundColour, 0x8000, &D::backColour, {}, kRepaint},
    // No decoded picture is kept until pictures can be drawn: a new one only repaints.
    {18, "BackPicture", pt::kPicture, 0x8000, &D::backPicture, {}, kRepaint},
    {19, "PictureMode", pt::kPickList, 0x8001, &D::pictureMode, PickList(3), kRepaint},
    {20, "GradientMode", pt::kPickList, 0x8000, &D::gradientMode, PickList(kGradientModeCount), kRepaint},
    {21, "GradientColour1", pt::kColourWithAlpha, 0x8001, &D::gradientColour1, {}, kRepaint},
    {22, "GradientColour2", pt::kColourWithAlpha, 0x8001, &D::gradientColour2, {}, kRepaint},
    {23, "GradientColour3", pt::kColourWithAlpha, 0x8001, &D::gradientColour3, {}, kRepaint},
    {24, "Alignment", pt::kPickList, 0x8000, &D::alignment, PickList(3), kRepaint},
    {25, "WordWrap", pt::kLogical, 0x8000, &D::wordWrap, {}, kRepaint},
    {26, "VerticalAlignment", pt::kPickList, 0x8000, &D::verticalAlignment, PickList(3), kRepaint},
    {27, "DataSource", pt::kDataSource, 0x8000, &D::dataSource},
    {28, "DataColumn", pt::kDataColumn, 0x8000, &D::dataColumn},
};

using Operations = UnitOperations<L, kRows>;

void* LabelOperations(int32_t number) { return Operations::Find(number); }

}  // namespace

const UnitTypeInfo& LabelUnitType() {
  static constexpr UnitTypeInfo kType =
      UnitTypeRecord("标签", "Label", kLabelStateFlags, Operations::kPropertyInfos, LabelOperations);
  return kType;
}

}  // namespace vx
