// The window styles a window unit's properties stand for: frame from Border,
// caption and boxes from Caption, ControlBox, MaxButton and MinButton.
#pragma once

#include <cstdint>

#include "units/unit_base/style_bits.h"

namespace vx {

struct WindowData;

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
WindowStyles FrameStyles(const WindowData& data, bool embedded);

// The styles CreateUnit gives the window: the loader's bits and WS_CLIPCHILDREN,
// the frame, WS_MINIMIZE for a minimised start, WS_MAXIMIZE for a maximised start
// of a resizable frame; an embedded window is a child without a thick frame, an
// owned one a pop-up.
WindowStyles CreationStyles(const WindowData& data, uint32_t loaderBits, bool embedded, bool owned);

}  // namespace vx
