#include "units/combo_box/combo_box_styles.h"

#include <algorithm>

#include "units/unit_base/value_clamps.h"

namespace vx {
namespace {

constexpr uint32_t kKindMask = 0x3;  // CBS_SIMPLE 1, CBS_DROPDOWN 2, CBS_DROPDOWNLIST 3
constexpr uint32_t kSort = 0x100;
constexpr uint32_t kAutoHScroll = 0x40;
constexpr uint32_t kVScroll = 0x00200000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kSystemColour = 0xFF000000;

}  // namespace

uint32_t ComboStyle(const ComboBoxData& data) {
  auto kind = static_cast<uint32_t>(PickList(combo_type::kCount)(data.comboType) + 1);
  return kind | (data.sorted ? kSort : 0) | kAutoHScroll | kVScroll;
}

int32_t ComboTypeOfStyle(uint32_t style) {
  return std::max<int32_t>(static_cast<int32_t>(style & kKindMask) - 1, combo_type::kSimple);
}

int32_t ComboControlHeight(int32_t comboType, int32_t height) {
  return comboType == combo_type::kSimple ? height : std::max(height, kMinimumDropHeight);
}

uint32_t BackColourForType(int32_t comboType, uint32_t backColour) {
  if (comboType == combo_type::kSimple) return backColour == kWhite ? kSystemColour : backColour;
  return backColour == kSystemColour ? kWhite : backColour;
}

}  // namespace vx
