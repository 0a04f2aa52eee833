#include "units/unit_base/key_codes.h"

namespace vx {
namespace {

// Windows virtual-key values.
constexpr uint32_t kShiftKey = 0x10, kControlKey = 0x11, kMenuKey = 0x12;
constexpr uint32_t kNumpad0 = 0x60, kNumpad9 = 0x69;
constexpr uint32_t kSubtract = 0x6D, kDecimal = 0x6E, kDivide = 0x6F;
constexpr uint32_t kOemMinus = 0xBD, kOemPeriod = 0xBE, kOemSlash = 0xBF;

}  // namespace

uint32_t FoldKeypad(uint32_t virtualKey) {
  if (virtualKey >= kNumpad0 && virtualKey <= kNumpad9) return '0' + (virtualKey - kNumpad0);
  if (virtualKey == kSubtract) return kOemMinus;
  if (virtualKey == kDecimal) return kOemPeriod;
  if (virtualKey == kDivide) return kOemSlash;
  return virtualKey;
}

uint32_t KeyWithModifiers(uint32_t virtualKey, bool ctrl, bool shift, bool alt) {
  uint32_t key = FoldKeypad(virtualKey) & key_modifier::kKeyMask;
  if (ctrl && virtualKey != kControlKey) key |= key_modifier::kCtrl;
  if (shift && virtualKey != kShiftKey) key |= key_modifier::kShift;
  if (alt && virtualKey != kMenuKey) key |= key_modifier::kAlt;
  return key;
}

int32_t EventModifiers(bool ctrl, bool shift, bool alt) { return (ctrl ? 1 : 0) | (shift ? 2 : 0) | (alt ? 4 : 0); }

}  // namespace vx
