// The border property that edit boxes, labels, progress bars and slider bars
// share: values 0..5 and the window style bits each one stands for.
#pragma once

#include <cstdint>

namespace vx {

namespace border_style {
constexpr int32_t kNone = 0;
constexpr int32_t kSunken = 1;
constexpr int32_t kRaised = 2;
constexpr int32_t kThinSunken = 3;
constexpr int32_t kMirror = 4;
constexpr int32_t kSingleLine = 5;
constexpr int32_t kCount = 6;
}  // namespace border_style

// The window style bits involved, by their Windows values (this header is also
// built where windows.h is not available).
constexpr uint32_t kStyleBorder = 0x00800000;          // WS_BORDER
constexpr uint32_t kExStyleDlgModalFrame = 0x00000001;  // WS_EX_DLGMODALFRAME
constexpr uint32_t kExStyleClientEdge = 0x00000200;     // WS_EX_CLIENTEDGE
constexpr uint32_t kExStyleStaticEdge = 0x00020000;     // WS_EX_STATICEDGE

// The bits a border style owns; they are cleared before the style's own are set.
constexpr uint32_t kBorderStyleMask = kStyleBorder;
constexpr uint32_t kBorderExStyleMask = kExStyleDlgModalFrame | kExStyleClientEdge | kExStyleStaticEdge;

struct BorderBits {
  uint32_t style;
  uint32_t exStyle;
};

// The bits of a border style, the value clamped to 0..5 first.
BorderBits BorderStyleBits(int32_t borderStyle);

}  // namespace vx
