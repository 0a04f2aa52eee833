// Keys as the window hands them to units and handlers: a virtual-key code with
// the numeric keypad folded onto the main keyboard, plus modifier bits.
#pragma once

#include <cstdint>

namespace vx {

namespace key_modifier {
constexpr uint32_t kCtrl = 0x2000;
constexpr uint32_t kShift = 0x4000;
constexpr uint32_t kAlt = 0x8000;
constexpr uint32_t kKeyMask = 0x1FFF;  // the key without its modifiers
}  // namespace key_modifier

// Keypad digits become the digit keys; keypad minus, point and slash the main
// keyboard's keys. Other codes are unchanged.
uint32_t FoldKeypad(uint32_t virtualKey);

// The key with the modifier bits of the keys held (Ctrl, Shift, Alt), not
// counting the key's own bit when it is a modifier itself.
uint32_t KeyWithModifiers(uint32_t virtualKey, bool ctrl, bool shift, bool alt);

// Event arguments' modifiers: 1 Ctrl, 2 Shift, 4 Alt.
int32_t EventModifiers(bool ctrl, bool shift, bool alt);

}  // namespace vx
