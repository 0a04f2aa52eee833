// The reader window as its template stores it: the window, its own unit and its
// fourteen units with their layout, flags, property blocks and event bindings.
#pragma once

#include <cstdint>

#include "runtime/template/template_writer.h"

namespace voxlet {

inline constexpr uint32_t kReaderWindowId = 0x52010001;

inline constexpr char kReaderWindowCaption[] = "Voxlet";

// Ids of the window's unit list; the handlers address units by these.
namespace reader_unit {
inline constexpr uint32_t kWindow = 0x06010000;
inline constexpr uint32_t kStartPauseButton = 0x160100d0;  // 按钮_暂停与恢复
inline constexpr uint32_t kStopButton = 0x160100d1;        // 按钮_停止读
inline constexpr uint32_t kSaveAsButton = 0x160100d2;      // 按钮_另存为
inline constexpr uint32_t kRateProgress = 0x160100b7;      // 进度条_语速
inline constexpr uint32_t kVolumeProgress = 0x160100ac;    // 进度条_声音
inline constexpr uint32_t kSaveDialog = 0x16010093;        // 通用对话框1
inline constexpr uint32_t kRateSlider = 0x16010039;        // 滑块条_设置语音速度
inline constexpr uint32_t kRateLabel = 0x16010038;         // 标签3
inline constexpr uint32_t kVolumeLabel = 0x1601002a;       // 标签2
inline constexpr uint32_t kVolumeSlider = 0x16010021;      // 滑块条_设置声音大小
inline constexpr uint32_t kSettingsGroup = 0x16010020;     // 分组框1
inline constexpr uint32_t kTextEdit = 0x16010006;          // 编辑框1
inline constexpr uint32_t kVoiceLabel = 0x16010003;        // 标签1, also receives speech notifications
inline constexpr uint32_t kVoiceCombo = 0x16010002;        // 组合框1
}  // namespace reader_unit

vx::WindowDescription ReaderWindow();

}  // namespace voxlet
