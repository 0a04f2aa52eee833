#include "units/label/label_type.h"

#include "units/label/label_gradient.h"
#include "units/label/label_unit.h"
#include "units/unit_base/unit_operations.h"

namespace vx {
namespace {

using D = LabelData;
using L = LabelUnit;
namespace P = label_property;

constexpr uint32_t kLabelStateFlags = unit_state::kOwnsControl | unit_state::kMnemonicFocusesNext |
                                      unit_state::kNoNavigationFocus | unit_state::kDragsWindow | unit_state::kCoreType;

constexpr auto kRepaint = Effect::kRepaint;

constexpr PropertyRow<L> kRows[] = {
    {P::kCaption, "Caption", pt::kText, kPlain, &D::caption, {}, Effect::kWindowText},
    {P::kEffect, "Effect", pt::kPickList, kPlain, &D::effect, PickList(4), kRepaint},
    {P::kBorder, "Border", pt::kPickList, kPlain, &D::border, PickList(7), Call(&L::ApplyBorder)},
    {P::kFrameWidth, "FrameWidth", pt::kInteger, kQualifier, &D::frameWidth, AtLeast(5), kRepaint},
    {P::kFrameColour1, "FrameColour1", pt::kColourWithAlpha, kQualifier, &D::frameColour1, {}, kRepaint},
    {P::kFrameColour2, "FrameColour2", pt::kColourWithAlpha, kQualifier, &D::frameColour2, {}, kRepaint},
    {P::kFrameColour3, "FrameColour3", pt::kColourWithAlpha, kQualifier, &D::frameColour3, {}, kRepaint},
    {P::kFont, "Font", pt::kFont, kPlain, &D::font, {}, Effect::kFont},
    {P::kTextColour, "TextColour", pt::kColour, kPlain, &D::textColour, {}, kRepaint},
    {P::kBackColour, "BackColour", pt::kBackgroundColour, kPlain, &D::backColour, {}, kRepaint},
    // No decoded picture is kept until pictures can be drawn: a new one only repaints.
    {P::kBackPicture, "BackPicture", pt::kPicture, kPlain, &D::backPicture, {}, kRepaint},
    {P::kPictureMode, "PictureMode", pt::kPickList, kQualifier, &D::pictureMode, PickList(3), kRepaint},
    {P::kGradientMode, "GradientMode", pt::kPickList, kPlain, &D::gradientMode, PickList(kGradientModeCount), kRepaint},
    {P::kGradientColour1, "GradientColour1", pt::kColourWithAlpha, kQualifier, &D::gradientColour1, {}, kRepaint},
    {P::kGradientColour2, "GradientColour2", pt::kColourWithAlpha, kQualifier, &D::gradientColour2, {}, kRepaint},
    {P::kGradientColour3, "GradientColour3", pt::kColourWithAlpha, kQualifier, &D::gradientColour3, {}, kRepaint},
    {P::kAlignment, "Alignment", pt::kPickList, kPlain, &D::alignment, PickList(3), kRepaint},
    {P::kWordWrap, "WordWrap", pt::kLogical, kPlain, &D::wordWrap, {}, kRepaint},
    {P::kVerticalAlignment, "VerticalAlignment", pt::kPickList, kPlain, &D::verticalAlignment, PickList(3), kRepaint},
    {P::kDataSource, "DataSource", pt::kDataSource, kPlain, &D::dataSource},
    {P::kDataColumn, "DataColumn", pt::kDataColumn, kPlain, &D::dataColumn},
};

}  // namespace

const UnitTypeInfo& LabelUnitType() {
  static constexpr UnitTypeInfo kType = UnitTypeOf<L, kRows>({"标签", "Label"}, kLabelStateFlags);
  return kType;
}

}  // namespace vx
