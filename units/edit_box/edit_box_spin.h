// The spin control beside a single-line edit box: a "msctls_updown32" sibling
// right of the box, 18 pixels wide, that follows the box (place, visibility,
// enabled state, z-order) and hands its arrows to it. Its parent passes its
// notifications back to it, as to every control with an object.
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/framework/window_object.h"

namespace vx {

class SpinCompanion : public WindowObject {
 public:
  static constexpr int kWidth = 18;

  // A spin control for the edit box, placed beside it; null when the system
  // cannot make one. It belongs to its window from then on.
  static SpinCompanion* Create(HWND edit, bool staticEdge, int32_t firstEnd, int32_t secondEnd);
  // The companion of that window, or null once it is gone.
  static SpinCompanion* Of(HWND spin);

  // The range from the smaller to the larger end.
  void SetRange(int32_t firstEnd, int32_t secondEnd);
  void SetStaticEdge(bool staticEdge);
  // Right of the edit box with its top and height, in its parent, just behind it
  // in the z-order, shown (without activation) while the box is and enabled while
  // it is.
  void Follow();
  // The box is being shown or hidden: a box on a hidden window changes only its
  // style, without moving.
  void Show(bool shown);

 protected:
  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  explicit SpinCompanion(HWND edit) : edit_(edit) {}

  HWND edit_;
};

// Whether the border style gives the spin control a static edge.
bool SpinHasStaticEdge(int32_t borderStyle);

}  // namespace vx
