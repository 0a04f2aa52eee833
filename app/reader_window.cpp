#include "app/reader_window.h"

#include <string_view>

#include "app/reader_handlers.h"
#include "runtime/template/archive_writer.h"
#include "units/unit_types/core_unit_types.h"

namespace voxlet {
namespace {

using vx::ArchiveWriter;
using vx::StoredUnit;
namespace unit_type = vx::core_unit_type;

constexpr uint32_t kButtonFace = 0xFF000000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kGrey = 0x808080;

constexpr uint32_t kVisible = vx::kUnitVisible;
constexpr uint32_t kDisabled = vx::kUnitDisabled;
constexpr uint32_t kTakesFocus = vx::kUnitTakesFocus;

// Event numbers bound below: each type's own event 0, and the common got-focus.
constexpr int32_t kFirstOwnEvent = 0;
constexpr int32_t kGotFocus = -7;

// Each block below writes every field in its type's stored order; the values not
// passed in are the type's defaults.

std::vector<uint8_t> WindowBlock(std::string_view caption) {
  return ArchiveWriter()
      .U32(6)            // version
      .U32(2)            // Border: normal, fixed
      .U32(1)            // PictureMode
      .U32(kButtonFace)  // BackColour
      .U32(0)            // MaxButton
      .U32(1)            // MinButton
      .U32(1)            // ControlBox
      .U32(1)            // StartPosition: centred on the screen
      .U32(1)            // Movable
      .U32(0)            // MusicPlayMode
      .U32(0)            // EnterMovesFocus
      .U32(1)            // EscCloses
      .U32(0)            // F1OpensHelp
      .U32(0)            // HelpTopic
      .U32(1)            // ShowInTaskbar
      .U32(0)            // DragAnywhere
      .U32(0)            // Shape: rectangular
      .U32(0)            // AlwaysOnTop
      .U32(0)            // window option
      .Text("")          // WindowClassName: the runtime's own class
      .Block({})         // BackPicture
      .Block({})         // Icon: the program's default
      .Block({})         // BackgroundMusic
      .Text(caption)     // Caption
      .Text("")          // HelpFile
      .Take();
}

std::vector<uint8_t> ButtonBlock(std::string_view caption) {
  return ArchiveWriter()
      .U32(1)         // version
      .U32(0)         // ButtonType: normal
      .U32(1)         // Alignment: centre
      .U32(1)         // VerticalAlignment: centre
      .Block({})      // Picture
      .Block({})      // Font
      .Text(caption)  // Caption
      .Take();
}

std::vector<uint8_t> LabelBlock(std::string_view caption) {
  return ArchiveWriter()
      .U32(2)            // version
      .U32(0)            // Effect
      .U32(8)            // FrameWidth
      .U32(0)            // Border
      .U32(kGrey)        // FrameColour1
      .U32(kWhite)       // FrameColour2
      .U32(kGrey)        // FrameColour3
      .U32(kBlack)       // TextColour
      .U32(kButtonFace)  // BackColour
      .U32(1)            // PictureMode
      .U32(0)            // GradientMode
      .U32(kGrey)        // GradientColour1
      .U32(kWhite)       // GradientColour2
      .U32(kGrey)        // GradientColour3
      .U32(0)            // Alignment: left
      .U32(1)            // VerticalAlignment: centre
      .U32(0)            // WordWrap
      .Block({})         // Font
      .Block({})         // BackPicture
      .Text(caption)     // Caption
      .Text("")          // DataSource
      .Text("")          // DataColumn
      .Take();
}

std::vector<uint8_t> GroupBoxBlock(std::string_view caption) {
  return ArchiveWriter()
      .U32(1)            // version
      .U32(0)            // Alignment: left
      .U32(kBlack)       // TextColour
      .U32(kButtonFace)  // BackColour
      .Block({})         // Font
      .Text(caption)     // Caption
      .Take();
}

// The reader's text area: multi-line with word wrap, no scroll bars.
std::vector<uint8_t> TextEditBlock() {
  return ArchiveWriter()
      .U32(2)       // version
      .U32(1)       // Border: sunken
      .U32(kBlack)  // TextColour
      .U32(kWhite)  // BackColour
      .U32(1)       // HideSelection
      .U32(0)       // MaxLength: system maximum
      .U32(1)       // MultiLine
      .U32(0)       // ScrollBars: none, so lines wrap
      .U32(0)       // Alignment: left
      .U32(0)       // InputMode: normal
      .I16('*')     // PasswordChar
      .U32(0)       // LetterCase: as typed
      .U32(0)       // SpinType: none
      .U32(0)       // SpinMinimum
      .U32(100)     // SpinMaximum
      .U32(0)       // SelStart
      .U32(0)       // SelLength
      .Block({})    // Font
      .Text("")     // Content
      .Text("")     // DataSource
      .Text("")     // DataColumn
      .Take();
}

std::vector<uint8_t> ProgressBarBlock(uint32_t minimum, uint32_t maximum) {
  return ArchiveWriter()
      .U32(1)        // version
      .U32(3)        // Border: thin sunken
      .U32(0)        // Orientation: horizontal
      .U32(1)        // Smooth
      .U32(minimum)  // Minimum
      .U32(maximum)  // Maximum
      .U32(0)        // Position
      .Take();
}

std::vector<uint8_t> SliderBarBlock(uint32_t minimum, uint32_t maximum, uint32_t position) {
  return ArchiveWriter()
      .U32(1)         // version
      .U32(0)         // Border: none
      .U32(0)         // Orientation: horizontal
      .U32(2)         // TickPosition: below the track
      .U32(1)         // TickFrequency
      .U32(0)         // SelectionEnabled
      .U32(0)         // SelectionStart
      .U32(0)         // SelectionLength
      .U32(5)         // PageSize
      .U32(1)         // LineSize
      .U32(minimum)   // Minimum
      .U32(maximum)   // Maximum
      .U32(position)  // Position
      .Take();
}

std::vector<uint8_t> SaveDialogBlock(std::string_view title) {
  return ArchiveWriter()
      .U32(1)       // version
      .U32(1)       // DialogType: save file
      .U32(0)       // FilterIndex
      .U32(0)       // PromptCreate
      .U32(1)       // FileMustExist
      .U32(1)       // PromptOverwrite
      .U32(1)       // PathMustExist
      .U32(0)       // KeepCurrentDirectory
      .U32(kBlack)  // FontColour
      .U32(0)       // Bold
      .U32(0)       // Italic
      .U32(0)       // Strikeout
      .U32(0)       // Underline
      .U32(0)       // FontSize: unset
      .U32(0)       // HelpCommand: contents
      .U32(0)       // HelpTopic
      .Text(title)  // Title
      .Text("")     // FileName
      .Text("")     // Filter: set by the save handler
      .Text("")     // InitialDirectory
      .Text("")     // DefaultExtension: set by the save handler
      .Text("")     // FontName
      .Text("")     // HelpFile
      .Take();
}

// Tab order 0, no tag, the default mouse pointer; flags as given.
StoredUnit Unit(uint32_t typeCode, std::string_view name, uint32_t parent, int32_t left,
                int32_t top, int32_t width, int32_t height, uint32_t stateFlags) {
  StoredUnit unit;
  unit.typeCode = typeCode;
  unit.name = name;
  unit.parent = parent;
  unit.left = left;
  unit.top = top;
  unit.width = width;
  unit.height = height;
  unit.mousePointer = {0, 0, 0, 0};
  unit.stateFlags = stateFlags;
  return unit;
}

StoredUnit Bound(StoredUnit unit, int32_t event, ReaderHandler handler) {
  unit.bindings.push_back({event, HandlerOffset(handler)});
  return unit;
}

}  // namespace

vx::WindowDescription ReaderWindow() {
  using namespace reader_unit;
  constexpr uint32_t kOnWindow = 0;  // parent: the window itself
  constexpr uint32_t kInGroup = kSettingsGroup;

  vx::WindowDescription window;
  window.id = kReaderWindowId;
  window.secondValue = 0x19010008;  // kept by the runtime, unused by the reader

  auto add = [&window](uint32_t id, StoredUnit unit, std::vector<uint8_t> block) {
    window.items.push_back(vx::UnitDescription{id, std::move(unit), std::move(block)});
  };

  // In the order of the unit list: the window's own unit, then ids descending.
  add(kWindow,
      Bound(Unit(unit_type::kWindow, kReaderWindowName, kOnWindow, 50, 50, 321, 398, kVisible),
            kFirstOwnEvent, ReaderHandler::onWindowCreated),
      WindowBlock(kReaderWindowCaption));
  add(kStartPauseButton,
      Bound(Unit(unit_type::kButton, "按钮_暂停与恢复", kOnWindow, 208, 224, 80, 32,
                 kVisible | kTakesFocus),
            kFirstOwnEvent, ReaderHandler::onStartPauseClicked),
      ButtonBlock("开始"));
  add(kStopButton,
      Bound(Unit(unit_type::kButton, "按钮_停止读", kOnWindow, 208, 272, 80, 32,
                 kVisible | kTakesFocus),
            kFirstOwnEvent, ReaderHandler::onStopClicked),
      ButtonBlock("停止"));
  add(kSaveAsButton,
      Bound(Unit(unit_type::kButton, "按钮_另存为", kOnWindow, 208, 320, 80, 32,
                 kVisible | kTakesFocus),
            kFirstOwnEvent, ReaderHandler::onSaveAsClicked),
      ButtonBlock("另存为"));
  add(kRateProgress,
      Unit(unit_type::kProcessBar, "进度条_语速", kInGroup, 14, 109, 152, 9, kVisible | kDisabled),
      ProgressBarBlock(0, 20));
  add(kVolumeProgress,
      Unit(unit_type::kProcessBar, "进度条_声音", kInGroup, 14, 60, 152, 9, kVisible | kDisabled),
      ProgressBarBlock(0, 50));
  add(kSaveDialog, Unit(unit_type::kCommonDlg, "通用对话框1", kOnWindow, 208, 152, 26, 26, 0),
      SaveDialogBlock("保存文件"));
  add(kRateSlider,
      Bound(Unit(unit_type::kSliderBar, "滑块条_设置语音速度", kInGroup, 8, 85, 168, 34,
                 kVisible | kTakesFocus),
            kFirstOwnEvent, ReaderHandler::onRateChanged),
      SliderBarBlock(1, 21, 8));
  add(kRateLabel, Unit(unit_type::kLabel, "标签3", kInGroup, 72, 71, 64, 15, kVisible),
      LabelBlock("语速"));
  add(kVolumeLabel, Unit(unit_type::kLabel, "标签2", kInGroup, 72, 20, 56, 15, kVisible),
      LabelBlock("音量"));
  add(kVolumeSlider,
      Bound(Unit(unit_type::kSliderBar, "滑块条_设置声音大小", kInGroup, 8, 36, 168, 34,
                 kVisible | kTakesFocus),
            kFirstOwnEvent, ReaderHandler::onVolumeChanged),
      SliderBarBlock(1, 50, 25));

  StoredUnit group = Unit(unit_type::kGroupBox, "分组框1", kOnWindow, 8, 218, 184, 134, kVisible);
  group.children = {kRateProgress, kVolumeProgress, kRateSlider,
                    kRateLabel,    kVolumeLabel,    kVolumeSlider};
  add(kSettingsGroup, std::move(group), GroupBoxBlock("设置"));

  add(kTextEdit,
      Bound(Unit(unit_type::kEditBox, "编辑框1", kOnWindow, 8, 48, 280, 168,
                 kVisible | kTakesFocus),
            kGotFocus, ReaderHandler::onEditFocused),
      TextEditBlock());
  add(kVoiceLabel,
      Bound(Unit(unit_type::kLabel, "标签1", kOnWindow, 8, 16, 40, 24, kVisible), kFirstOwnEvent,
            ReaderHandler::onSpeechFeedback),
      LabelBlock("语音库"));
  // No stored block: every combo property at its default (editable drop-down, no
  // items, no selection).
  add(kVoiceCombo,
      Bound(Unit(unit_type::kComboBox, "组合框1", kOnWindow, 64, 16, 208, 20,
                 kVisible | kTakesFocus),
            kFirstOwnEvent, ReaderHandler::onVoiceChosen),
      {});
  return window;
}

}  // namespace voxlet
