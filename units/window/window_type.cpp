#include "units/window/window_type.h"

#include "units/unit_base/unit_operations.h"
#include "units/window/window_unit.h"

namespace vx {
namespace {

using D = WindowData;
using W = WindowUnit;
namespace P = window_property;

constexpr uint32_t kWindowStateFlags =
    unit_state::kOwnsControl | unit_state::kContainer | unit_state::kWindowType | unit_state::kCoreType;

constexpr PropertyRow<W> kRows[] = {
    {P::kCaption, "Caption", pt::kText, kPlain, &D::caption, {}, {Effect::kWindowText, &W::ApplyFrame}},
    {P::kBorder, "Border", pt::kPickList, kPlain, &D::border, PickList(7), InPlace(&W::ApplyFrame)},
    {P::kBackColour, "BackColour", pt::kBackgroundColour, kPlain, &D::backColour, {}, Effect::kRepaint},
    {P::kBackPicture, "BackPicture", pt::kPicture, kPlain, &D::backPicture, {}, Effect::kRepaint},
    {P::kPictureMode, "PictureMode", pt::kPickList, kQualifier, &D::pictureMode, PickList(4),
     InPlace(&W::ApplyPictureMode)},
    // The music starts once the window is made, with the play mode stored with it.
    {P::kBackgroundMusic, "BackgroundMusic", pt::kSound, kPlain, &D::backgroundMusic, {}, Call(&W::PlayMusic)},
    {P::kMusicPlayMode, "MusicPlayMode", pt::kPickList, kQualifier, &D::musicPlayMode, PickList(3),
     InPlace(&W::PlayMusic)},
    {P::kControlBox, "ControlBox", pt::kLogical, kPlain, &D::controlBox, {}, InPlace(&W::ApplyFrame)},
    {P::kMaxButton, "MaxButton", pt::kLogical, kQualifier, &D::maxButton, {}, InPlace(&W::ApplyFrame)},
    {P::kMinButton, "MinButton", pt::kLogical, kQualifier, &D::minButton, {}, InPlace(&W::ApplyFrame)},
    {P::kStartPosition, "StartPosition", pt::kPickList, kPlain, &D::startPosition, PickList(4),
     InPlace(&W::ApplyStartPosition), &W::ReadStartPosition},
    {P::kMovable, "Movable", pt::kLogical, kPlain, &D::movable, {}, Call(&W::ApplyMovable)},
    {P::kIcon, "Icon", pt::kIcon, kPlain, &D::icon},
    {P::kEnterMovesFocus, "EnterMovesFocus", pt::kLogical, kPlain, &D::enterMovesFocus},
    {P::kEscCloses, "EscCloses", pt::kLogical, kPlain, &D::escCloses},
    {P::kF1OpensHelp, "F1OpensHelp", pt::kLogical, kPlain, &D::f1OpensHelp},
    {P::kHelpFile, "HelpFile", pt::kFileName, kQualifier, &D::helpFile},
    {P::kHelpTopic, "HelpTopic", pt::kInteger, kQualifier, &D::helpTopic},
    {P::kShowInTaskbar, "ShowInTaskbar", pt::kLogical, kPlain, &D::showInTaskbar},
    {P::kDragAnywhere, "DragAnywhere", pt::kLogical, kPlain, &D::dragAnywhere},
    {P::kShape, "Shape", pt::kPickList, kPlain, &D::shape, PickList(30), Call(&W::ApplyShape)},
    {P::kAlwaysOnTop, "AlwaysOnTop", pt::kLogical, kPlain, &D::alwaysOnTop, {}, Call(&W::ApplyAlwaysOnTop)},
    {P::kWindowOption, "WindowOption", pt::kLogical, kPlain, &D::windowOption},
    {P::kWindowClassName, "WindowClassName", pt::kText, kPlain, &D::windowClassName},
};

}  // namespace

const UnitTypeInfo& WindowUnitType() {
  static constexpr UnitTypeInfo kType = UnitTypeOf<W, kRows>({"窗口", "window"}, kWindowStateFlags);
  return kType;
}

}  // namespace vx
