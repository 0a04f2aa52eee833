// The window styles a window unit's properties stand for: frame from Border,
// caption and boxes from Caption, ControlBox, MaxButton and MinButton.
#pragma once

#include <cstdint>

namespace vx {

class WindowPropertyData;

// Windows style values (this header is also built where windows.h is not).
namespace window_style {
constexpr uint32_t kChild = 0x40000000;
constexpr uint32_t kPopup = 0x80000000;
constexpr uint32_t kMinimize = 0x20000000;
constexpr uint32_t kMaximize = 0x01000000;
constexpr uint32_t kClipChildren = 0x02000000;
constexpr uint32_t kCaption = 0x00C00000;  // border and dialog frame
constexpr uint32_t kDlgFrame = 0x00400000;
constexpr uint32_t kSysMenu = 0x00080000;
constexpr uint32_t kThickFrame = 0x00040000;
constexpr uint32_t kMinimizeBox = 0x00020000;
constexpr uint32_t kMaximizeBox = 0x00010000;
constexpr uint32_t kExDlgModalFrame = 0x00000001;
constexpr uint32_t kExToolWindow = 0x00000080;
constexpr uint32_t kExClientEdge = 0x00000200;
}  // namespace window_style

// The bits the frame and caption own; re-applying them replaces exactly these.
constexpr uint32_t kFrameStyleMask = window_style::kCaption | window_style::kSysMenu | window_style::kThickFrame |
                                     window_style::kMinimizeBox | window_style::kMaximizeBox;
constexpr uint32_t kFrameExStyleMask =
    window_style::kExDlgModalFrame | window_style::kExToolWindow | window_style::kExClientEdge;

struct WindowStyles {
  uint32_t style;
  uint32_t exStyle;
};

// Frame, caption and box bits for these properties; embedded: the window was
// created as a child of another window.
WindowStyles FrameStyles(const WindowPropertyData& data, bool embedded);

// The styles CreateUnit gives the window: the loader's bits and WS_CLIPCHILDREN,
// the frame, WS_MINIMIZE for a minimised start, WS_MAXIMIZE for a maximised start
// of a resizable frame; an embedded window is a child without a thick frame, an
// owned one a pop-up.
WindowStyles CreationStyles(const WindowPropertyData& data, uint32_t loaderBits, bool embedded, bool owned);

}  // namespace vx
