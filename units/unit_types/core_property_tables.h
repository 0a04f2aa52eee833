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

inline constexpr auto kComboBox = TypeRows({
    {8, pt::kPickList, 0x8000},           // ComboType
    {9, pt::kText, 0x8001},               // Content
    {10, pt::kInteger, 0x8001},           // MaxLength
    {11, pt::kInteger, 0x8001},           // SelStart
    {12, pt::kInteger, 0x8001},           // SelLength
    {13, pt::kText, 0x8009},              // SelectedText, only while running
    {14, pt::kLogical, 0x8000},           // Sorted
    {15, pt::kInteger, 0x8000},           // ItemSpacing
    {16, pt::kColour, 0x8000},            // TextColour
    {17, pt::kBackgroundColour, 0x8000},  // BackColour
    {18, pt::kFont, 0x8000},              // Font
    {19, pt::kInteger, 0x8000},           // CurrentSelection
    {20, pt::kCustom, 0x8000},            // Items
    {21, pt::kCustom, 0x8000},            // ItemValues
    {22, pt::kDataSource, 0x8000},        // DataSource
    {23, pt::kDataColumn, 0x8000},        // DataColumn
    {24, pt::kLogical, 0x8010},           // DataOption
});

inline constexpr auto kProcessBar = TypeRows({
    {8, pt::kPickList, 0x8000},   // Border
    {9, pt::kPickList, 0x8000},   // Orientation
    {10, pt::kPickList, 0x8000},  // Smooth
    {11, pt::kInteger, 0x8000},   // Minimum
    {12, pt::kInteger, 0x8000},   // Maximum
    {13, pt::kInteger, 0x8000},   // Position
});

inline constexpr auto kSliderBar = TypeRows({
    {8, pt::kPickList, 0x8000},   // Border
    {9, pt::kPickList, 0x8000},   // Orientation
    {10, pt::kPickList, 0x8000},  // TickPosition
    {11, pt::kInteger, 0x8001},   // TickFrequency
    {12, pt::kLogical, 0x8000},   // SelectionEnabled
    {13, pt::kInteger, 0x8001},   // SelectionStart
    {14, pt::kInteger, 0x8001},   // SelectionLength
    {15, pt::kInteger, 0x8000},   // PageSize
    {16, pt::kInteger, 0x8000},   // LineSize
    {17, pt::kInteger, 0x8000},   // Minimum
    {18, pt::kInteger, 0x8000},   // Maximum
    {19, pt::kInteger, 0x8000},   // Position
});

inline constexpr auto kCommonDlg = TypeRows({
    {8, pt::kPickList, 0x8002},   // DialogType
    {9, pt::kText, 0x8000},       // Title
    {10, pt::kText, 0x8000},      // FileName
    {11, pt::kText, 0x8000},      // Filter
    {12, pt::kInteger, 0x8001},   // FilterIndex
    {13, pt::kText, 0x8000},      // InitialDirectory
    {14, pt::kText, 0x8000},      // DefaultExtension
    {15, pt::kLogical, 0x8000},   // PromptCreate
    {16, pt::kLogical, 0x8000},   // FileMustExist
    {17, pt::kLogical, 0x8000},   // PromptOverwrite
    {18, pt::kLogical, 0x8000},   // PathMustExist
    {19, pt::kLogical, 0x8002},   // KeepCurrentDirectory
    {20, pt::kColour, 0x8000},    // FontColour
    {21, pt::kLogical, 0x8000},   // Bold
    {22, pt::kLogical, 0x8000},   // Italic
    {23, pt::kLogical, 0x8000},   // Strikeout
    {24, pt::kLogical, 0x8000},   // Underline
    {25, pt::kText, 0x8000},      // FontName
    {26, pt::kInteger, 0x8002},   // FontSize
    {27, pt::kText, 0x8000},      // HelpFile
    {28, pt::kPickList, 0x8000},  // HelpCommand
    {29, pt::kInteger, 0x8001},   // HelpTopic
});

}  // namespace vx::core_properties
