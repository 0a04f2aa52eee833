#include "units/unit_base/key_codes.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(KeyCodes, KeypadKeysBecomeMainKeyboardKeys) {
  EXPECT_EQ(FoldKeypad(0x60), uint32_t{'0'});
  EXPECT_EQ(FoldKeypad(0x69), uint32_t{'9'});
  EXPECT_EQ(FoldKeypad(0x6D), 0xBDu);
  EXPECT_EQ(FoldKeypad(0x6E), 0xBEu);
  EXPECT_EQ(FoldKeypad(0x6F), 0xBFu);
  EXPECT_EQ(FoldKeypad(0x6A), 0x6Au) << "keypad multiply stays";
}

TEST(KeyCodes, ModifierBitsExceptTheModifierKeysOwn) {
  EXPECT_EQ(KeyWithModifiers('S', false, false, true), 'S' | key_modifier::kAlt);
  EXPECT_EQ(KeyWithModifiers(0x09, true, true, false), 0x09 | key_modifier::kCtrl | key_modifier::kShift);
  EXPECT_EQ(KeyWithModifiers(0x10, false, true, false), 0x10u) << "Shift alone";
  EXPECT_EQ(KeyWithModifiers(0x12, true, false, true), 0x12 | key_modifier::kCtrl);
}

TEST(KeyCodes, EventModifiersAreOneTwoFour) {
  EXPECT_EQ(EventModifiers(true, false, false), 1);
  EXPECT_EQ(EventModifiers(false, true, true), 6);
}

}  // namespace
}  // namespace vx
