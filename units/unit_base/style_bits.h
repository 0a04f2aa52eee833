// Windows style values by name, for the units' pure style arithmetic: these
// headers are also built where windows.h is not available.
#pragma once

#include <cstdint>

namespace vx {

namespace window_style {
constexpr uint32_t kChild = 0x40000000;
constexpr uint32_t kPopup = 0x80000000;
constexpr uint32_t kMinimize = 0x20000000;
constexpr uint32_t kMaximize = 0x01000000;
constexpr uint32_t kClipSiblings = 0x04000000;
constexpr uint32_t kClipChildren = 0x02000000;
constexpr uint32_t kCaption = 0x00C00000;  // border and dialog frame
constexpr uint32_t kBorder = 0x00800000;
constexpr uint32_t kDlgFrame = 0x00400000;
constexpr uint32_t kVScroll = 0x00200000;
constexpr uint32_t kHScroll = 0x00100000;
constexpr uint32_t kSysMenu = 0x00080000;
constexpr uint32_t kThickFrame = 0x00040000;
constexpr uint32_t kMinimizeBox = 0x00020000;
constexpr uint32_t kMaximizeBox = 0x00010000;
constexpr uint32_t kExDlgModalFrame = 0x00000001;
constexpr uint32_t kExToolWindow = 0x00000080;
constexpr uint32_t kExClientEdge = 0x00000200;
constexpr uint32_t kExStaticEdge = 0x00020000;
}  // namespace window_style

}  // namespace vx
