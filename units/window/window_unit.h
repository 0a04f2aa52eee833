// The window unit: the frame that holds a window's units and makes them work as a
// form (keyboard navigation, default button, mnemonics, closing keys, dragging,
// the common mouse and keyboard events of every unit on it).
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/template/unit_table.h"
#include "units/unit_base/background_colour.h"
#include "units/unit_object.h"
#include "units/window/window_property_data.h"

namespace vx {

// The window's own events.
namespace window_event {
constexpr int32_t kCreated = 0;
constexpr int32_t kQueryClose = 1;
constexpr int32_t kDestroyed = 2;
constexpr int32_t kMoved = 3;
constexpr int32_t kResized = 4;
constexpr int32_t kActivated = 5;
constexpr int32_t kDeactivated = 6;
constexpr int32_t kIdle = 7;
constexpr int32_t kFirstActivated = 8;
constexpr int32_t kTrayEvent = 9;
constexpr int32_t kShown = 10;
constexpr int32_t kHidden = 11;
constexpr int32_t kCloseRequested = 12;
}  // namespace window_event

// Events every unit has; the window raises all but the focus events for them.
namespace common_event {
constexpr int32_t kLeftButtonDown = -1;
constexpr int32_t kLeftButtonUp = -2;
constexpr int32_t kDoubleClicked = -3;
constexpr int32_t kRightButtonDown = -4;
constexpr int32_t kRightButtonUp = -5;
constexpr int32_t kMouseMoved = -6;
constexpr int32_t kGotFocus = -7;
constexpr int32_t kLostFocus = -8;
constexpr int32_t kKeyDown = -9;
constexpr int32_t kKeyUp = -10;
constexpr int32_t kCharTyped = -11;
constexpr int32_t kWheelTurned = -12;
}  // namespace common_event

// Private messages of the window.
constexpr UINT kTrayNotifyMessage = 0x8064;
constexpr UINT kPaintBackgroundMessage = 0x8389;  // wParam HDC, lParam RECT*
constexpr LRESULT kBackgroundPainted = 20141111;

class WindowUnit : public UnitObject {
 public:
  using UnitObject::UnitObject;

  PropertyData* propertyData() override { return &data_; }
  WindowPropertyData& data() { return data_; }
  bool embedded() const { return embedded_; }

  // Creates the window (CreateUnit's steps 1 to 5); false when it cannot be made.
  bool Create(uint32_t styleBits, HWND owner, HMENU menu, bool embedded, int32_t x, int32_t y, int32_t width,
              int32_t height);

  // Frame, caption and box styles from the properties again, with a frame refresh.
  void ApplyFrameStyles();
  void ApplyAlwaysOnTop();
  void ApplyMovable();
  // StartPosition written while the window is visible.
  void ApplyStartPosition();
  // 2 minimised, 3 maximised, else 0.
  int32_t CurrentStartPosition() const;

  // The form's keyboard and mouse handling (window_keys.cpp).
  bool PreTranslateMessage(MSG* message) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PostNcDestroy() override { delete this; }

 private:
  bool OnClose();
  void OnActivate(WPARAM wParam);
  void OnSetFocus();
  bool OnSetCursor(HWND target);
  void PaintBackground(HDC dc, const RECT& rect);

  // Pre-translation steps (window_keys.cpp).
  bool StartsDrag(const MSG& message);
  bool HandleKey(const MSG& message);
  bool RaiseCommonEvent(MSG& message);
  bool ClickDefaultButton(HWND focus);
  bool ActOnMnemonic(uint32_t key);
  void OpenHelp();
  void MoveFocus(bool forward);
  bool MoveWithinGroup(UnitEntry& focused, bool forward);

  WindowPropertyData data_;
  UnitBrush background_;
  uint32_t brushColour_ = 0;  // the colour background_ was made of
  bool embedded_ = false;
  bool firstActivated_ = false;
  bool helpOpen_ = false;
  HWND lastFocus_ = nullptr;
};

}  // namespace vx
