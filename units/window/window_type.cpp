#include "units/window/window_type.h"

#include "units/unit_base/unit_operations.h"
#include "units/window/window_unit.h"

namespace vx {
namespace {

using D = WindowData;
using W = WindowUnit;

constexpr uint32_t kWindowStateFlags =
    unit_state::kOwnsControl | unit_state::kContainer | unit_state::kWindowType | unit_state::kCoreType;

constexpr PropertyRow<W> kRows[] = {
    {8, "Caption", pt::kText, 0x8000, &D::caption, {}, Call(&W::ApplyCaption)},
    {9, "Border", pt::kPickList, 0x8000, &D::border, PickList(7), Call(&W::ApplyFrame)},
    {10, "BackColour", pt::kBackgroundColour, 0x8000, &D::backColour, {}, Effect::kRepaint},
    {11, "BackPicture", pt::kPicture, 0x8000, &D::backPicture, {}, Effect::kRepaint},
    {12, "PictureMode", pt::kPickList, 0x8001, &D::pictureMode, PickList(4), Call(&W::ApplyPictureMode)},
    {13, "BackgroundMusic", pt::kSound, 0x8000, &D::backgroundMusic},
    {14, "MusicPlayMode", pt::kPickList, 0x8001, &D::musicPlayMode, PickList(3)},
    {15, "ControlBox", pt::kLogical, 0x8000, &D::controlBox, {}, Call(&W::ApplyFrame)},
    {16, "MaxButton", pt::kLogical, 0x8001, &D::maxButton, {}, Call(&W::ApplyFrame)},
    {17, "MinButton", pt::kLogical, 0x8001, &D::minButton, {}, Call(&W::ApplyFrame)},
    {kWindowStartPositionProperty, "StartPosition", pt::kPickList, 0x8000, &D::startPosition, PickList(4),
     Call(&W::ApplyStartPosition), &W::ReadStartPosition},
    {19, "Movable", pt::kLogical, 0x8000, &D::movable, {}, Call(&W::ApplyMovable)},
    {20, "Icon", pt::kIcon, 0x8000, &D::icon},
    {21, "EnterMovesFocus", pt::kLogical, 0x8000, &D::enterMovesFocus},
    {22, "EscCloses", pt::kLogical, 0x8000, &D::escCloses},
    {23, "F1OpensHelp", pt::kLogical, 0x8000, &D::f1OpensHelp},
    {24, "HelpFile", pt::kFileName, 0x8001, &D::helpFile},
    {25, "HelpTopic", pt::kInteger, 0x8001, &D::helpTopic},
    {26, "ShowInTaskbar", pt::kLogical, 0x8000, &D::showInTaskbar},
    {27, "DragAnywhere", pt::kLogical, 0x8000, &D::dragAnywhere},
    {28, "Shape", pt::kPickList, 0x8000, &D::shape, PickList(30), Call(&W::ApplyShape)},
    {29, "AlwaysOnTop", pt::kLogical, 0x8000, &D::alwaysOnTop, {}, Call(&W::ApplyAlwaysOnTop)},
    {30, "WindowOption", pt::kLogical, 0x8000, &D::windowOption},
    {31, "WindowClassName", pt::kText, 0x8000, &D::windowClassName},
};

using Operations = UnitOperations<W, kRows>;

void* WindowOperations(int32_t number) { return Operations::Find(number); }

}  // namespace

const UnitTypeInfo& WindowUnitType() {
  static constexpr UnitTypeInfo kType =
      UnitTypeRecord("窗口", "window", kWindowStateFlags, Operations::kPropertyInfos, WindowOperations);
  return kType;
}

}  // namespace vx
