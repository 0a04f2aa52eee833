#include "app/reader_window.h"

#include <string_view>

#include "app/reader_handlers.h"
#include "contract/events.h"
#include "units/button/button_data.h"
#include "units/common_dialog/common_dialog_data.h"
#include "units/edit_box/edit_box_data.h"
#include "units/group_box/group_box_data.h"
#include "units/label/label_data.h"
#include "units/progress_bar/progress_bar_data.h"
#include "units/slider_bar/slider_bar_data.h"
#include "units/unit_base/border_style.h"
#include "units/unit_types/core_unit_types.h"
#include "units/window/window_data.h"

namespace voxlet {
namespace {

using vx::StoredUnit;
namespace unit_type = vx::core_unit_type;

constexpr uint32_t kVisible = vx::kUnitVisible;
constexpr uint32_t kDisabled = vx::kUnitDisabled;
constexpr uint32_t kTakesFocus = vx::kUnitTakesFocus;

// Event numbers bound below: each type's own event 0, and the common got-focus.
constexpr int32_t kFirstOwnEvent = 0;

// The property blocks: each type's own property data with the values that differ
// from its defaults, in its stored form.
std::vector<uint8_t> ButtonBlock(const char* caption) {
  return vx::StoreProperties(vx::ButtonData{.caption = caption});
}

std::vector<uint8_t> LabelBlock(const char* caption) { return vx::StoreProperties(vx::LabelData{.caption = caption}); }

std::vector<uint8_t> ProgressBarBlock(int32_t maximum) {
  return vx::StoreProperties(
      vx::ProgressBarData{.border = vx::border_style::kThinSunken, .smooth = 1, .maximum = maximum});
}

std::vector<uint8_t> SliderBarBlock(int32_t maximum, int32_t position) {
  return vx::StoreProperties(vx::SliderBarData{.minimum = 1, .maximum = maximum, .position = position});
}

// Tab order 0, no tag, the default mouse pointer; flags as given.
StoredUnit Unit(uint32_t typeCode, std::string_view name, uint32_t parent, int32_t left, int32_t top, int32_t width,
                int32_t height, uint32_t stateFlags) {
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
      Bound(Unit(unit_type::kWindow, "", kOnWindow, 50, 50, 321, 398, kVisible), kFirstOwnEvent,
            ReaderHandler::onWindowCreated),
      vx::StoreProperties(vx::WindowData{.caption = kReaderWindowCaption}));
  add(kStartPauseButton,
      Bound(Unit(unit_type::kButton, "按钮_暂停与恢复", kOnWindow, 208, 224, 80, 32, kVisible | kTakesFocus),
            kFirstOwnEvent, ReaderHandler::onStartPauseClicked),
      ButtonBlock("开始"));
  add(kStopButton,
      Bound(Unit(unit_type::kButton, "按钮_停止读", kOnWindow, 208, 272, 80, 32, kVisible | kTakesFocus),
            kFirstOwnEvent, ReaderHandler::onStopClicked),
      ButtonBlock("停止"));
  add(kSaveAsButton,
      Bound(Unit(unit_type::kButton, "按钮_另存为", kOnWindow, 208, 320, 80, 32, kVisible | kTakesFocus),
            kFirstOwnEvent, ReaderHandler::onSaveAsClicked),
      ButtonBlock("另存为"));
  add(kRateProgress, Unit(unit_type::kProgressBar, "进度条_语速", kInGroup, 14, 109, 152, 9, kVisible | kDisabled),
      ProgressBarBlock(20));
  add(kVolumeProgress, Unit(unit_type::kProgressBar, "进度条_声音", kInGroup, 14, 60, 152, 9, kVisible | kDisabled),
      ProgressBarBlock(50));
  add(kSaveDialog, Unit(unit_type::kCommonDialog, "通用对话框1", kOnWindow, 208, 152, 26, 26, 0),
      vx::StoreProperties(vx::CommonDialogData{.dialogType = 1, .title = "保存文件"}));
  add(kRateSlider,
      Bound(Unit(unit_type::kSliderBar, "滑块条_设置语音速度", kInGroup, 8, 85, 168, 34, kVisible | kTakesFocus),
            kFirstOwnEvent, ReaderHandler::onRateChanged),
      SliderBarBlock(21, 8));
  add(kRateLabel, Unit(unit_type::kLabel, "标签3", kInGroup, 72, 71, 64, 15, kVisible), LabelBlock("语速"));
  add(kVolumeLabel, Unit(unit_type::kLabel, "标签2", kInGroup, 72, 20, 56, 15, kVisible), LabelBlock("音量"));
  add(kVolumeSlider,
      Bound(Unit(unit_type::kSliderBar, "滑块条_设置声音大小", kInGroup, 8, 36, 168, 34, kVisible | kTakesFocus),
            kFirstOwnEvent, ReaderHandler::onVolumeChanged),
      SliderBarBlock(50, 25));

  StoredUnit group = Unit(unit_type::kGroupBox, "分组框1", kOnWindow, 8, 218, 184, 134, kVisible);
  group.children = {kRateProgress, kVolumeProgress, kRateSlider, kRateLabel, kVolumeLabel, kVolumeSlider};
  add(kSettingsGroup, std::move(group), vx::StoreProperties(vx::GroupBoxData{.caption = "设置"}));

  add(kTextEdit,
      Bound(Unit(unit_type::kEditBox, "编辑框1", kOnWindow, 8, 48, 280, 168, kVisible | kTakesFocus),
            vx::common_event::kGotFocus, ReaderHandler::onEditFocused),
      // Multi-line with word wrap and no scroll bars; everything else the defaults.
      vx::StoreProperties(vx::EditBoxData{.multiLine = 1}));
  add(kVoiceLabel,
      Bound(Unit(unit_type::kLabel, "标签1", kOnWindow, 8, 16, 40, 24, kVisible), kFirstOwnEvent,
            ReaderHandler::onSpeechFeedback),
      LabelBlock("语音库"));
  // No stored block: every combo property at its default (editable drop-down, no
  // items, no selection).
  add(kVoiceCombo,
      Bound(Unit(unit_type::kComboBox, "组合框1", kOnWindow, 64, 16, 208, 20, kVisible | kTakesFocus), kFirstOwnEvent,
            ReaderHandler::onVoiceChosen),
      {});
  return window;
}

}  // namespace voxlet
