// What the simple units program shows, shared with the tests that drive it:
// places in the client area of the unit's parent, and colours.
#pragma once

#include <windows.h>

namespace vx::test::simple_units {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128), kLightBlue = RGB(192, 224, 255), kLightYellow = RGB(255, 255, 192);

// "buttons": the default button 开始 (its Click flips its caption to 暂停 and back)
// and 停止, first in the tab order. Lines: "click start", "click stop", "blur stop".
constexpr RECT kStartButton = {20, 20, 120, 52}, kStopButton = {20, 70, 120, 102};

// "labels": frames, backgrounds and caption places (effects and gradients are
// there to be looked at). Red captions on white in the aligned and wrapped ones.
constexpr RECT kFrameLabel = {10, 64, 160, 124};       // Border 6, 9 wide, grey-white-grey
constexpr RECT kOneColourFrame = {330, 64, 480, 124};  // Border 6 with only red set, on white
constexpr RECT kLightBlueLabel = {430, 334, 630, 434};
constexpr RECT kPlainLabel = {10, 444, 160, 468};  // all defaults
constexpr RECT kAlignedLabels[3] = {{10, 274, 210, 324}, {220, 274, 420, 324}, {430, 274, 630, 324}};
constexpr RECT kWrappedLabel = {10, 334, 210, 434};  // 16-pixel font

// "values": labels "回答" (its Feedback handler answers 42) and "无处理"; the entry
// writes FrameWidth 3 and GradientMode 12 to the first and a Picture to a button,
// and records what it reads back. Lines: "feedback <a> <b>", "frame width <n>",
// "gradient mode <n>", "picture: new control <0|1>, caption <caption>".

// "group": red caption text on light yellow, holding a button ("click child") and
// a slider ("scroll <position>").
constexpr RECT kGroupBox = {20, 20, 340, 240};
constexpr RECT kChildButton = {20, 30, 120, 60}, kChildSlider = {20, 80, 260, 114};  // in the group box

}  // namespace vx::test::simple_units
