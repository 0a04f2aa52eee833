// The property tables of the core library's unit types: type code and flags per
// index. Property names exist only in these comments; the program knows a
// property by its index.
#pragma once

#include <array>

#include "units/unit_base/property_table.h"

namespace vx::core_properties {

// One of a type's own properties as the unit Parts list it.
struct PropertyTypeRow {
  int32_t index;
  uint16_t typeCode;
  uint16_t flags;
};

// The rows must run 8, 9, 10, ... without a gap, since a property is known only by
// its position; a table that breaks this does not compile.
template <size_t N>
constexpr std::array<UnitPropertyInfo, common_property::kCount + N> TypeRows(const PropertyTypeRow (&rows)[N]) {
  std::array<UnitPropertyInfo, common_property::kCount + N> table{};
  for (int32_t i = 0; i < common_property::kCount; ++i) {
    table[i] = {nullptr, nullptr, nullptr, kCommonPropertyTypes[i], kCommonPropertyFlags, nullptr};
  }
  for (size_t i = 0; i < N; ++i) {
    if (rows[i].index != common_property::kCount + static_cast<int32_t>(i)) throw "property rows out of order";
    table[common_property::kCount + i] = {nullptr, nullptr, nullptr, rows[i].typeCode, rows[i].flags, nullptr};
  }
  return table;
}

namespace pt = property_type;

inline constexpr auto kEditBox = TypeRows({
    {8, pt::kText, 0x8000},               // Content
    {9, pt::kPickList, 0x8000},           // Border
    {10, pt::kColour, 0x8000},            // TextColour
    {11, pt::kBackgroundColour, 0x8000},  // BackColour
    {12, pt::kFont, 0x8000},              // Font
    {13, pt::kLogical, 0x8000},           // HideSelection
    {14, pt::kInteger, 0x8000},           // MaxLength
    {15, pt::kLogical, 0x8000},           // MultiLine
    {16, pt::kPickList, 0x8000},          // ScrollBars
    {17, pt::kPickList, 0x8000},          // Alignment
    {18, pt::kPickList, 0x8000},          // InputMode
    {19, pt::kText, 0x8001},              // PasswordChar, qualifies InputMode
    {20, pt::kPickList, 0x8000},          // LetterCase
    {21, pt::kPickList, 0x8000},          // SpinType
    {22, pt::kInteger, 0x8001},           // SpinMinimum
    {23, pt::kInteger, 0x8001},           // SpinMaximum
    {24, pt::kInteger, 0x8000},           // SelStart
    {25, pt::kInteger, 0x8000},           // SelLength
    {26, pt::kText, 0x8008},              // SelectedText, only while running
    {27, pt::kDataSource, 0x8000},        // DataSource
    {28, pt::kDataColumn, 0x8000},        // DataColumn
});

inline constexpr auto kGroupBox = TypeRows({
    {8, pt::kText, 0x8000},               // Caption
    {9, pt::kPickList, 0x8000},           // Alignment
    {10, pt::kColour, 0x8000},            // TextColour
    {11, pt::kBackgroundColour, 0x8000},  // BackColour
    {12, pt::kFont, 0x8000},              // Font
});

inline constexpr auto kLabel = TypeRows({
    {8, pt::kText, 0x8000},               // Caption
    {9, pt::kPickList, 0x8000},           // Effect
    {10, pt::kPickList, 0x8000},          // Border
    {11, pt::kInteger, 0x8001},           // FrameWidth
    {12, pt::kColourWithAlpha, 0x8001},   // FrameColour1
    {13, pt::kColourWithAlpha, 0x8001},   // FrameColour2
    {14, pt::kColourWithAlpha, 0x8001},   // FrameColour3
    {15, pt::kFont, 0x8000},              // Font
    {16, pt::kColour, 0x8000},            // TextColour
    {17, pt::kBackgroundColour, 0x8000},  // BackColour
    {18, pt::kPicture, 0x8000},           // BackPicture
    {19, pt::kPickList, 0x8001},          // PictureMode
    {20, pt::kPickList, 0x8000},          // GradientMode
    {21, pt::kColourWithAlpha, 0x8001},   // GradientColour1
    {22, pt::kColourWithAlpha, 0x8001},   // GradientColour2
    {23, pt::kColourWithAlpha, 0x8001},   // GradientColour3
    {24, pt::kPickList, 0x8000},          // Alignment
    {25, pt::kLogical, 0x8000},           // WordWrap
    {26, pt::kPickList, 0x8000},          // VerticalAlignment
    {27, pt::kDataSource, 0x8000},        // DataSource
    {28, pt::kDataColumn, 0x8000},        // DataColumn
});

inline constexpr auto kButton = TypeRows({
    {8, pt::kPicture, 0x8000},    // Picture
    {9, pt::kPickList, 0x8000},   // ButtonType
    {10, pt::kText, 0x8000},      // Caption
    {11, pt::kPickList, 0x8000},  // Alignment
    {12, pt::kPickList, 0x8000},  // VerticalAlignment
    {13, pt::kFont, 0x8000},      // Font
});

}  // namespace vx::core_properties
