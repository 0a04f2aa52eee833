// The property tables of the core library's unit types: type code and flags per
// index. Property names exist only in these comments; the program knows a
// property by its index.
#pragma once

#include "units/unit_types/property_table.h"

namespace vx::core_properties {

namespace pt = property_type;

inline constexpr auto kWindow = PropertyTable({
    {8, pt::kText, 0x8000},              // Caption
    {9, pt::kPickList, 0x8000},          // Border
    {10, pt::kBackgroundColour, 0x8000}, // BackColour
    {11, pt::kPicture, 0x8000},          // BackPicture
    {12, pt::kPickList, 0x8001},         // PictureMode
    {13, pt::kSound, 0x8000},            // BackgroundMusic
    {14, pt::kPickList, 0x8001},         // MusicPlayMode
    {15, pt::kLogical, 0x8000},          // ControlBox
    {16, pt::kLogical, 0x8001},          // MaxButton
    {17, pt::kLogical, 0x8001},          // MinButton
    {18, pt::kPickList, 0x8000},         // StartPosition
    {19, pt::kLogical, 0x8000},          // Movable
    {20, pt::kIcon, 0x8000},             // Icon
    {21, pt::kLogical, 0x8000},          // EnterMovesFocus
    {22, pt::kLogical, 0x8000},          // EscCloses
    {23, pt::kLogical, 0x8000},          // F1OpensHelp
    {24, pt::kFileName, 0x8001},         // HelpFile
    {25, pt::kInteger, 0x8001},          // HelpTopic
    {26, pt::kLogical, 0x8000},          // ShowInTaskbar
    {27, pt::kLogical, 0x8000},          // DragAnywhere
    {28, pt::kPickList, 0x8000},         // Shape
    {29, pt::kLogical, 0x8000},          // AlwaysOnTop
    {30, pt::kLogical, 0x8000},          // window option, stored and kept
    {31, pt::kText, 0x8000},             // WindowClassName
});

inline constexpr auto kEditBox = PropertyTable({
    {8, pt::kText, 0x8000},              // Content
    {9, pt::kPickList, 0x8000},          // Border
    {10, pt::kColour, 0x8000},           // TextColour
    {11, pt::kBackgroundColour, 0x8000}, // BackColour
    {12, pt::kFont, 0x8000},             // Font
    {13, pt::kLogical, 0x8000},          // HideSelection
    {14, pt::kInteger, 0x8000},          // MaxLength
    {15, pt::kLogical, 0x8000},          // MultiLine
    {16, pt::kPickList, 0x8000},         // ScrollBars
    {17, pt::kPickList, 0x8000},         // Alignment
    {18, pt::kPickList, 0x8000},         // InputMode
    {19, pt::kText, 0x8001},             // PasswordChar, qualifies InputMode
    {20, pt::kPickList, 0x8000},         // LetterCase
    {21, pt::kPickList, 0x8000},         // SpinType
    {22, pt::kInteger, 0x8001},          // SpinMinimum
    {23, pt::kInteger, 0x8001},          // SpinMaximum
    {24, pt::kInteger, 0x8000},          // SelStart
    {25, pt::kInteger, 0x8000},          // SelLength
    {26, pt::kText, 0x8008},             // SelectedText, only while running
    {27, pt::kDataSource, 0x8000},       // DataSource
    {28, pt::kDataColumn, 0x8000},       // DataColumn
});

inline constexpr auto kGroupBox = PropertyTable({
    {8, pt::kText, 0x8000},              // Caption
    {9, pt::kPickList, 0x8000},          // Alignment
    {10, pt::kColour, 0x8000},           // TextColour
    {11, pt::kBackgroundColour, 0x8000}, // BackColour
    {12, pt::kFont, 0x8000},             // Font
});

inline constexpr auto kLabel = PropertyTable({
    {8, pt::kText, 0x8000},              // Caption
    {9, pt::kPickList, 0x8000},          // Effect
    {10, pt::kPickList, 0x8000},         // Border
    {11, pt::kInteger, 0x8001},          // FrameWidth
    {12, pt::kColourWithAlpha, 0x8001},  // FrameColour1
    {13, pt::kColourWithAlpha, 0x8001},  // FrameColour2
    {14, pt::kColourWithAlpha, 0x8001},  // FrameColour3
    {15, pt::kFont, 0x8000},             // Font
    {16, pt::kColour, 0x8000},           // TextColour
    {17, pt::kBackgroundColour, 0x8000}, // BackColour
    {18, pt::kPicture, 0x8000},          // BackPicture
    {19, pt::kPickList, 0x8001},         // PictureMode
    {20, pt::kPickList, 0x8000},         // GradientMode
    {21, pt::kColourWithAlpha, 0x8001},  // GradientColour1
    {22, pt::kColourWithAlpha, 0x8001},  // GradientColour2
    {23, pt::kColourWithAlpha, 0x8001},  // GradientColour3
    {24, pt::kPickList, 0x8000},         // Alignment
    {25, pt::kLogical, 0x8000},          // WordWrap
    {26, pt::kPickList, 0x8000},         // VerticalAlignment
    {27, pt::kDataSource, 0x8000},       // DataSource
    {28, pt::kDataColumn, 0x8000},       // DataColumn
});

inline constexpr auto kButton = PropertyTable({
    {8, pt::kPicture, 0x8000},   // Picture
    {9, pt::kPickList, 0x8000},  // ButtonType
    {10, pt::kText, 0x8000},     // Caption
    {11, pt::kPickList, 0x8000}, // Alignment
    {12, pt::kPickList, 0x8000}, // VerticalAlignment
    {13, pt::kFont, 0x8000},     // Font
});

inline constexpr auto kComboBox = PropertyTable({
    {8, pt::kPickList, 0x8000},          // ComboType
    {9, pt::kText, 0x8001},              // Content
    {10, pt::kInteger, 0x8001},          // MaxLength
    {11, pt::kInteger, 0x8001},          // SelStart
    {12, pt::kInteger, 0x8001},          // SelLength
    {13, pt::kText, 0x8009},             // SelectedText, only while running
    {14, pt::kLogical, 0x8000},          // Sorted
    {15, pt::kInteger, 0x8000},          // ItemSpacing
    {16, pt::kColour, 0x8000},           // TextColour
    {17, pt::kBackgroundColour, 0x8000}, // BackColour
    {18, pt::kFont, 0x8000},             // Font
    {19, pt::kInteger, 0x8000},          // CurrentSelection
    {20, pt::kCustom, 0x8000},           // Items
    {21, pt::kCustom, 0x8000},           // ItemValues
    {22, pt::kDataSource, 0x8000},       // DataSource
    {23, pt::kDataColumn, 0x8000},       // DataColumn
    {24, pt::kLogical, 0x8010},          // DataOption
});

inline constexpr auto kProcessBar = PropertyTable({
    {8, pt::kPickList, 0x8000},  // Border
    {9, pt::kPickList, 0x8000},  // Orientation
    {10, pt::kPickList, 0x8000}, // Smooth
    {11, pt::kInteger, 0x8000},  // Minimum
    {12, pt::kInteger, 0x8000},  // Maximum
    {13, pt::kInteger, 0x8000},  // Position
});

inline constexpr auto kSliderBar = PropertyTable({
    {8, pt::kPickList, 0x8000},  // Border
    {9, pt::kPickList, 0x8000},  // Orientation
    {10, pt::kPickList, 0x8000}, // TickPosition
    {11, pt::kInteger, 0x8001},  // TickFrequency
    {12, pt::kLogical, 0x8000},  // SelectionEnabled
    {13, pt::kInteger, 0x8001},  // SelectionStart
    {14, pt::kInteger, 0x8001},  // SelectionLength
    {15, pt::kInteger, 0x8000},  // PageSize
    {16, pt::kInteger, 0x8000},  // LineSize
    {17, pt::kInteger, 0x8000},  // Minimum
    {18, pt::kInteger, 0x8000},  // Maximum
    {19, pt::kInteger, 0x8000},  // Position
});

inline constexpr auto kCommonDlg = PropertyTable({
    {8, pt::kPickList, 0x8002},  // DialogType
    {9, pt::kText, 0x8000},      // Title
    {10, pt::kText, 0x8000},     // FileName
    {11, pt::kText, 0x8000},     // Filter
    {12, pt::kInteger, 0x8001},  // FilterIndex
    {13, pt::kText, 0x8000},     // InitialDirectory
    {14, pt::kText, 0x8000},     // DefaultExtension
    {15, pt::kLogical, 0x8000},  // PromptCreate
    {16, pt::kLogical, 0x8000},  // FileMustExist
    {17, pt::kLogical, 0x8000},  // PromptOverwrite
    {18, pt::kLogical, 0x8000},  // PathMustExist
    {19, pt::kLogical, 0x8002},  // KeepCurrentDirectory
    {20, pt::kColour, 0x8000},   // FontColour
    {21, pt::kLogical, 0x8000},  // Bold
    {22, pt::kLogical, 0x8000},  // Italic
    {23, pt::kLogical, 0x8000},  // Strikeout
    {24, pt::kLogical, 0x8000},  // Underline
    {25, pt::kText, 0x8000},     // FontName
    {26, pt::kInteger, 0x8002},  // FontSize
    {27, pt::kText, 0x8000},     // HelpFile
    {28, pt::kPickList, 0x8000}, // HelpCommand
    {29, pt::kInteger, 0x8001},  // HelpTopic
});

}  // namespace vx::core_properties
