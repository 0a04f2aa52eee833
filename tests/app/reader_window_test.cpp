#include "app/reader_window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/reader_handlers.h"
#include "app/reader_template.h"
#include "runtime/framework/archive_reader.h"
#include "runtime/template/window_template.h"

namespace voxlet {
namespace {

namespace unit = reader_unit;
using Handler = ReaderHandler;

struct ExpectedBinding {
  int32_t event;
  Handler handler;
};

struct ExpectedUnit {
  uint32_t id;
  const char* name;  // empty for the window unit, which has no name
  uint32_t type;
  uint32_t parent;
  int32_t left, top, width, height;
  uint32_t flags;
  std::optional<ExpectedBinding> binding;
  size_t blockSize;  // the type's block with these captions
};

constexpr uint32_t V = vx::kUnitVisible;
constexpr uint32_t D = vx::kUnitDisabled;
constexpr uint32_t F = vx::kUnitTakesFocus;
constexpr uint32_t kGroup = unit::kSettingsGroup;

// Block sizes: version word, the type's fixed words and i16, four bytes per empty
// byte block or text, plus the caption's GBK bytes.
constexpr size_t kWindowBlock = 100 + 6;  // caption "Voxlet"
constexpr size_t kButtonBlock = 28;
constexpr size_t kLabelBlock = 88;
constexpr size_t kGroupBoxBlock = 24;
constexpr size_t kEditBoxBlock = 82;
constexpr size_t kProgressBlock = 28;
constexpr size_t kSliderBlock = 52;
constexpr size_t kDialogBlock = 92;

const std::vector<ExpectedUnit>& ExpectedUnits() {
  static const std::vector<ExpectedUnit> units = {
      {unit::kWindow, "", 0x00010001, 0, 50, 50, 321, 398, V, ExpectedBinding{0, Handler::onWindowCreated},
       kWindowBlock},
      {unit::kStartPauseButton, "按钮_暂停与恢复", 0x0001000B, 0, 208, 224, 80, 32, V | F,
       ExpectedBinding{0, Handler::onStartPauseClicked}, kButtonBlock + 4},
      {unit::kStopButton, "按钮_停止读", 0x0001000B, 0, 208, 272, 80, 32, V | F,
       ExpectedBinding{0, Handler::onStopClicked}, kButtonBlock + 4},
      {unit::kSaveAsButton, "按钮_另存为", 0x0001000B, 0, 208, 320, 80, 32, V | F,
       ExpectedBinding{0, Handler::onSaveAsClicked}, kButtonBlock + 6},
      {unit::kRateProgress, "进度条_语速", 0x00010013, kGroup, 14, 109, 152, 9, V | D, std::nullopt, kProgressBlock},
      {unit::kVolumeProgress, "进度条_声音", 0x00010013, kGroup, 14, 60, 152, 9, V | D, std::nullopt, kProgressBlock},
      {unit::kSaveDialog, "通用对话框1", 0x0001001F, 0, 208, 152, 26, 26, 0, std::nullopt, kDialogBlock + 8},
      {unit::kRateSlider, "滑块条_设置语音速度", 0x00010014, kGroup, 8, 85, 168, 34, V | F,
       ExpectedBinding{0, Handler::onRateChanged}, kSliderBlock},
      {unit::kRateLabel, "标签3", 0x0001000A, kGroup, 72, 71, 64, 15, V, std::nullopt, kLabelBlock + 4},
      {unit::kVolumeLabel, "标签2", 0x0001000A, kGroup, 72, 20, 56, 15, V, std::nullopt, kLabelBlock + 4},
      {unit::kVolumeSlider, "滑块条_设置声音大小", 0x00010014, kGroup, 8, 36, 168, 34, V | F,
       ExpectedBinding{0, Handler::onVolumeChanged}, kSliderBlock},
      {unit::kSettingsGroup, "分组框1", 0x00010009, 0, 8, 218, 184, 134, V, std::nullopt, kGroupBoxBlock + 4},
      {unit::kTextEdit, "编辑框1", 0x00010005, 0, 8, 48, 280, 168, V | F, ExpectedBinding{-7, Handler::onEditFocused},
       kEditBoxBlock},
      {unit::kVoiceLabel, "标签1", 0x0001000A, 0, 8, 16, 40, 24, V, ExpectedBinding{0, Handler::onSpeechFeedback},
       kLabelBlock + 6},
      {unit::kVoiceCombo, "组合框1", 0x0001000E, 0, 64, 16, 208, 20, V | F, ExpectedBinding{0, Handler::onVoiceChosen},
       0},
  };
  return units;
}

const vx::ProgramHandler kHandlerTable[kReaderHandlerCount] = {};

// Reading fails on any byte left after the last window record, so a table means the
// whole stream was consumed.
vx::WindowTable ReadReaderTemplate() {
  std::optional<vx::WindowTable> table = vx::WindowTable::Read(ReaderTemplate(), kHandlerTable);
  EXPECT_TRUE(table) << "the reader's template does not read back";
  return table ? std::move(*table) : vx::WindowTable();
}

TEST(ReaderTemplate, EncodesToTheCountedSize) {
  // The window table block (12 bytes) and the window record's fixed part (24), then
  // per item its id, offset and length words (12) and the record's fixed part (103),
  // which add up to 2853 with the names, child list, bindings and blocks below.
  size_t counted = 12 + 24;
  for (const ExpectedUnit& expected : ExpectedUnits()) {
    counted += 12 + 103 + std::strlen(expected.name) + expected.blockSize;
    if (expected.binding) counted += 8;
  }
  counted += 6 * 4;  // the group box's children
  EXPECT_EQ(counted, 2853u);

  EXPECT_EQ(ReaderTemplate().size(), 2853u);
}

TEST(ReaderTemplate, ReadsBackAsOneWindowOfFifteenItems) {
  // Read fails fatally on any byte left after the last window record, so success
  // means the whole stream was consumed.
  vx::WindowTable table = ReadReaderTemplate();
  ASSERT_EQ(table.size(), 1u);
  const vx::WindowRecord& window = table.Window(0);
  EXPECT_EQ(window.id, kReaderWindowId);
  EXPECT_EQ(window.secondValue, 0x19010008u);
  EXPECT_EQ(window.firstText, "");
  EXPECT_EQ(window.secondText, "");
  EXPECT_EQ(window.units.size(), 15u);
}

TEST(ReaderTemplate, EveryUnitIsStoredAsListed) {
  vx::WindowTable table = ReadReaderTemplate();
  const vx::UnitTable& units = table.Window(0).units;
  const std::vector<ExpectedUnit>& expectedUnits = ExpectedUnits();
  ASSERT_EQ(units.size(), expectedUnits.size());

  for (size_t i = 0; i < units.size(); ++i) {
    const ExpectedUnit& expected = expectedUnits[i];
    const vx::UnitEntry& entry = units.Item(i);
    SCOPED_TRACE(testing::Message() << "item " << i);
    ASSERT_EQ(entry.id(), expected.id);
    const vx::StoredUnit* stored = entry.unit();
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->typeCode, expected.type);
    EXPECT_EQ(stored->name, expected.name);
    EXPECT_EQ(stored->secondName, "");
    EXPECT_EQ(stored->sharedHandlerUnit, 0u);
    EXPECT_EQ(stored->parent, expected.parent);
    EXPECT_EQ(stored->left, expected.left);
    EXPECT_EQ(stored->top, expected.top);
    EXPECT_EQ(stored->width, expected.width);
    EXPECT_EQ(stored->height, expected.height);
    EXPECT_EQ(stored->stateFlags, expected.flags);
    EXPECT_EQ(stored->tabOrder, 0);
    EXPECT_EQ(stored->tag, "");
    EXPECT_EQ(stored->mousePointer, (std::vector<uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(units.PropertyBlock(entry).size(), expected.blockSize);

    if (expected.binding) {
      const auto slot = static_cast<size_t>(expected.binding->handler);
      ASSERT_EQ(stored->bindings.size(), 1u);
      EXPECT_EQ(stored->bindings[0].event, expected.binding->event);
      EXPECT_EQ(stored->bindings[0].handlerOffset, static_cast<int32_t>(slot * sizeof(vx::ProgramHandler)));
      EXPECT_EQ(entry.FindHandler(expected.binding->event), &kHandlerTable[slot]);
    } else {
      EXPECT_TRUE(stored->bindings.empty());
    }
  }
}

TEST(ReaderTemplate, GroupBoxHoldsItsSixUnits) {
  vx::WindowTable table = ReadReaderTemplate();
  const vx::UnitEntry* group = table.Window(0).units.Find(unit::kSettingsGroup);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->unit()->children,
            (std::vector<uint32_t>{unit::kRateProgress, unit::kVolumeProgress, unit::kRateSlider, unit::kRateLabel,
                                   unit::kVolumeLabel, unit::kVolumeSlider}));
  for (size_t i = 0; i < table.Window(0).units.size(); ++i) {
    const vx::UnitEntry& entry = table.Window(0).units.Item(i);
    if (entry.id() != unit::kSettingsGroup) {
      EXPECT_TRUE(entry.unit()->children.empty());
    }
  }
}

TEST(ReaderTemplate, EachHandlerIsBoundOnce) {
  vx::WindowTable table = ReadReaderTemplate();
  std::vector<int> bound(kReaderHandlerCount, 0);
  for (size_t i = 0; i < table.Window(0).units.size(); ++i) {
    for (const vx::EventBinding& binding : table.Window(0).units.Item(i).unit()->bindings) {
      ++bound.at(binding.handlerOffset / sizeof(vx::ProgramHandler));
    }
  }
  EXPECT_EQ(bound, std::vector<int>(kReaderHandlerCount, 1));
}

std::span<const uint8_t> BlockOf(const vx::WindowTable& table, uint32_t id) {
  const vx::UnitTable& units = table.Window(0).units;
  return units.PropertyBlock(*units.Find(id));
}

TEST(ReaderTemplate, ComboBoxStoresNoBlock) {
  vx::WindowTable table = ReadReaderTemplate();
  EXPECT_TRUE(BlockOf(table, unit::kVoiceCombo).empty());
}

TEST(ReaderTemplate, WindowBlockCarriesTheCaption) {
  vx::WindowTable table = ReadReaderTemplate();
  vx::ArchiveReader in(BlockOf(table, unit::kWindow));
  EXPECT_EQ(in.U32(), 6u);
  EXPECT_EQ(in.U32(), 2u);  // fixed border
  in.Skip(5 * 4);
  EXPECT_EQ(in.U32(), 1u);  // centred on the screen
  in.Skip(11 * 4);
  EXPECT_EQ(in.Text(), "");  // window class
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(in.Block().empty());
  EXPECT_EQ(in.Text(), kReaderWindowCaption);
  EXPECT_EQ(in.Text(), "");
  EXPECT_TRUE(in.ok());
  EXPECT_EQ(in.remaining(), 0u);
}

// The range units store only 32-bit words after the version.
std::vector<uint32_t> Words(std::span<const uint8_t> block) {
  vx::ArchiveReader in(block);
  std::vector<uint32_t> words;
  while (in.remaining() > 0) words.push_back(in.U32());
  return words;
}

TEST(ReaderTemplate, RangeUnitsHoldTheirRanges) {
  vx::WindowTable table = ReadReaderTemplate();
  // version, border, orientation, smooth, minimum, maximum, position
  EXPECT_EQ(Words(BlockOf(table, unit::kRateProgress)), (std::vector<uint32_t>{1, 3, 0, 1, 0, 20, 0}));
  EXPECT_EQ(Words(BlockOf(table, unit::kVolumeProgress)), (std::vector<uint32_t>{1, 3, 0, 1, 0, 50, 0}));
  // version, border, orientation, ticks, tick frequency, selection (3), page, line,
  // minimum, maximum, position
  EXPECT_EQ(Words(BlockOf(table, unit::kRateSlider)), (std::vector<uint32_t>{1, 0, 0, 2, 1, 0, 0, 0, 5, 1, 1, 21, 8}));
  EXPECT_EQ(Words(BlockOf(table, unit::kVolumeSlider)),
            (std::vector<uint32_t>{1, 0, 0, 2, 1, 0, 0, 0, 5, 1, 1, 50, 25}));
}

// The caption is the block's last text for buttons and group boxes.
std::string_view LastText(std::span<const uint8_t> block, size_t captionLength) {
  vx::ArchiveReader in(block.subspan(block.size() - 4 - captionLength));
  return in.Text();
}

TEST(ReaderTemplate, CaptionsAreStored) {
  vx::WindowTable table = ReadReaderTemplate();
  EXPECT_EQ(LastText(BlockOf(table, unit::kStartPauseButton), 4), "开始");
  EXPECT_EQ(LastText(BlockOf(table, unit::kStopButton), 4), "停止");
  EXPECT_EQ(LastText(BlockOf(table, unit::kSaveAsButton), 6), "另存为");
  EXPECT_EQ(LastText(BlockOf(table, unit::kSettingsGroup), 4), "设置");

  // Labels: the caption comes before the two data-binding texts.
  auto labelCaption = [&table](uint32_t id) {
    vx::ArchiveReader in(BlockOf(table, id));
    in.Skip(4 + 16 * 4);
    in.Block();
    in.Block();
    return std::string(in.Text());
  };
  EXPECT_EQ(labelCaption(unit::kVoiceLabel), "语音库");
  EXPECT_EQ(labelCaption(unit::kVolumeLabel), "音量");
  EXPECT_EQ(labelCaption(unit::kRateLabel), "语速");
}

TEST(ReaderTemplate, EditBoxIsMultiLineWithoutScrollBars) {
  vx::WindowTable table = ReadReaderTemplate();
  vx::ArchiveReader in(BlockOf(table, unit::kTextEdit));
  EXPECT_EQ(in.U32(), 2u);         // version
  EXPECT_EQ(in.U32(), 1u);         // sunken border
  EXPECT_EQ(in.U32(), 0u);         // black text
  EXPECT_EQ(in.U32(), 0xFFFFFFu);  // white background
  EXPECT_EQ(in.U32(), 1u);         // selection hidden while unfocused
  EXPECT_EQ(in.U32(), 0u);         // no length limit
  EXPECT_EQ(in.U32(), 1u);         // multi-line
  EXPECT_EQ(in.U32(), 0u);         // no scroll bars
  EXPECT_EQ(in.U32(), 0u);         // left-aligned
  EXPECT_EQ(in.U32(), 0u);         // normal input
  EXPECT_EQ(in.I16(), '*');
  in.Skip(6 * 4);
  EXPECT_TRUE(in.Block().empty());  // default font
  EXPECT_EQ(in.Text(), "");         // empty content
}

TEST(ReaderTemplate, DialogSavesFilesUnderItsTitle) {
  vx::WindowTable table = ReadReaderTemplate();
  vx::ArchiveReader in(BlockOf(table, unit::kSaveDialog));
  EXPECT_EQ(in.U32(), 1u);  // version
  EXPECT_EQ(in.U32(), 1u);  // save file
  EXPECT_EQ(in.U32(), 0u);  // initial filter
  EXPECT_EQ(in.U32(), 0u);  // PromptCreate
  EXPECT_EQ(in.U32(), 1u);  // FileMustExist
  EXPECT_EQ(in.U32(), 1u);  // PromptOverwrite
  EXPECT_EQ(in.U32(), 1u);  // PathMustExist
  in.Skip(9 * 4);
  EXPECT_EQ(in.Text(), "保存文件");
  for (int i = 0; i < 6; ++i) EXPECT_EQ(in.Text(), "");
  EXPECT_EQ(in.remaining(), 0u);
}

}  // namespace
}  // namespace voxlet
