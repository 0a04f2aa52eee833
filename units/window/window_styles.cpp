#include "units/window/window_styles.h"

#include "units/window/window_data.h"

namespace vx {

WindowStyles FrameStyles(const WindowData& data, bool embedded) {
  namespace ws = window_style;
  WindowStyles styles = {0, 0};
  if (data.border != 0) {
    if (!data.caption.empty() || data.controlBox) styles.style |= ws::kCaption;
    if (data.controlBox) styles.style |= ws::kSysMenu;
    if (!embedded) styles.style |= ws::kDlgFrame;
    if (data.border == 1 || data.border == 3 || data.border == 5) styles.style |= ws::kThickFrame;
    if (data.border == 3 || data.border == 4) styles.exStyle |= ws::kExToolWindow;
    if (data.border == 5 || data.border == 6) styles.exStyle |= ws::kExClientEdge;
    if (embedded) styles.exStyle |= ws::kExDlgModalFrame;
  }
  if (data.maxButton) styles.style |= ws::kMaximizeBox;
  if (data.minButton) styles.style |= ws::kMinimizeBox;
  return styles;
}

WindowStyles CreationStyles(const WindowData& data, uint32_t loaderBits, bool embedded, bool owned) {
  namespace ws = window_style;
  WindowStyles styles = FrameStyles(data, embedded);
  styles.style |= loaderBits | ws::kClipChildren;
  if (embedded) {
    styles.style = (styles.style & ~ws::kThickFrame) | ws::kChild;
    return styles;
  }
  if (data.startPosition == start_position::kMinimised) styles.style |= ws::kMinimize;
  if (data.startPosition == start_position::kMaximised && (styles.style & ws::kThickFrame)) {
    styles.style |= ws::kMaximize;
  }
  if (owned) styles.style |= ws::kPopup;
  return styles;
}

}  // namespace vx
