// The window unit: the frame that holds a window's units and makes them work as a
// form (keyboard navigation, default button, mnemonics, closing keys, dragging,
// the common mouse and keyboard events of every unit on it).
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/framework/window_units.h"
#include "sound/background_music.h"
#include "units/unit_base/background_colour.h"
#include "units/unit_base/data_unit.h"
#include "units/window/window_data.h"

namespace vx {

// Private messages of the window.
constexpr UINT kTrayNotifyMessage = 0x8064;
constexpr UINT kPaintBackgroundMessage = 0x8389;  // wParam HDC, lParam RECT*
constexpr LRESULT kBackgroundPainted = 20141111;

class WindowUnit : public DataUnit<WindowData> {
 public:
  WindowUnit(uint32_t windowId, uint32_t unitId);
  ~WindowUnit() override;

  // Makes the window with its styles, caption and menu, embedded or on its own;
  // the type's rows do the rest. False when the window cannot be made.
  bool Create(const UnitPlacement& placement);

  // What applying a property does beyond the common effects (the type's rows call
  // these with the value as stored).
  static int32_t ApplyFrame(WindowUnit& unit, const RawPropertyValue& value);
  static int32_t ApplyPictureMode(WindowUnit& unit, const RawPropertyValue& value);
  static int32_t ApplyStartPosition(WindowUnit& unit, const RawPropertyValue& value);
  static int32_t ApplyMovable(WindowUnit& unit, const RawPropertyValue& value);
  static int32_t ApplyShape(WindowUnit& unit, const RawPropertyValue& value);
  static int32_t ApplyAlwaysOnTop(WindowUnit& unit, const RawPropertyValue& value);
  // The background music stopped, then played by its play mode; never while the
  // window is being designed.
  static int32_t PlayMusic(WindowUnit& unit, const RawPropertyValue& value);
  // StartPosition as it reads: 2 minimised, 3 maximised, else 0.
  static bool ReadStartPosition(WindowUnit& unit, RawPropertyValue& value);

  // The form's keyboard and mouse handling (window_keys.cpp).
  bool PreTranslateMessage(MSG* message) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Frame, caption and box styles from the properties again, with a frame refresh.
  void ApplyFrameStyles();
  void ApplyTopmost();
  // The window's own events are raised for unit 0, the window itself.
  EventAnswer RaiseWindowEvent(int32_t event, std::initializer_list<int32_t> arguments = {});
  bool OnClose();
  void OnActivate(WPARAM wParam);
  void OnSetFocus();
  bool OnSetCursor(HWND target);
  void PaintBackground(HDC dc, const RECT& rect);

  // The units of this window now (RuntimeNotify 1004); take it again after
  // anything that may have run a handler.
  WindowUnitList Units() const;

  // Pre-translation steps (window_keys.cpp).
  bool StartsDrag(const MSG& message);
  bool HandleKey(const MSG& message);
  bool RaiseCommonEvent(MSG& message);
  bool ClickDefaultButton(HWND focus);
  bool ActOnMnemonic(uint32_t key);
  void OpenHelp();
  void MoveFocus(bool forward);
  bool MoveWithinGroup(const WindowUnitView& focused, bool forward);

  UnitBrush background_;
  uint32_t brushColour_ = 0;  // the colour background_ was made of
  bool embedded_ = false;
  bool firstActivated_ = false;
  bool helpOpen_ = false;
  BackgroundMusic music_;  // stops when the window goes
  HWND lastFocus_ = nullptr;
};

}  // namespace vx
