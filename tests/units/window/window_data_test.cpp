#include "units/window/window_data.h"

#include <gtest/gtest.h>

#include "runtime/framework/archive_writer.h"

namespace vx {
namespace {

TEST(WindowData, DefaultsAreThoseOfANewWindow) {
  WindowData data;
  EXPECT_EQ(data.border, 2);
  EXPECT_EQ(data.backColour, 0xFF000000u);
  EXPECT_EQ(data.pictureMode, 1);
  EXPECT_EQ(data.controlBox, 1);
  EXPECT_EQ(data.maxButton, 0);
  EXPECT_EQ(data.minButton, 1);
  EXPECT_EQ(data.startPosition, start_position::kCentred);
  EXPECT_EQ(data.movable, 1);
  EXPECT_EQ(data.escCloses, 1);
  EXPECT_EQ(data.showInTaskbar, 1);
  EXPECT_EQ(data.shape, 0);
  EXPECT_TRUE(data.caption.empty());
}

TEST(WindowData, Version6RoundTrips) {
  WindowData data;
  data.caption = "朗读";
  data.border = 5;
  data.backColour = 0x00112233;
  data.backPicture = {1, 2, 3};
  data.icon = {4};
  data.backgroundMusic = {5, 6};
  data.helpFile = "帮助.hlp";
  data.helpTopic = 42;
  data.shape = 13;
  data.alwaysOnTop = 1;
  data.windowOption = 1;
  data.windowClassName = "MyClass";
  std::vector<uint8_t> stream = StoreProperties(data);
  WindowData read;
  ASSERT_TRUE(LoadProperties(read, stream));
  EXPECT_EQ(StoreProperties(read), stream);
  EXPECT_EQ(read.caption, "朗读");
  EXPECT_EQ(read.windowClassName, "MyClass");
  EXPECT_EQ(read.backgroundMusic, (std::vector<uint8_t>{5, 6}));
}

// A version-1 record: the thirteen words, no later fields, then blocks and texts.
TEST(WindowData, OlderVersionsLeaveLaterFieldsAtTheirDefaults) {
  ArchiveWriter out;
  out.U32(1);
  for (int32_t value : {4, 2, 0x00FF00, 1, 0, 0, 0, 0, 2, 1, 0, 1, 7}) out.I32(value);
  out.Block({}).Block({}).Block({}).Text("旧窗口").Text("old.hlp");
  std::vector<uint8_t> record = out.Take();
  WindowData data;
  ASSERT_TRUE(LoadProperties(data, record));
  EXPECT_EQ(data.border, 4);
  EXPECT_EQ(data.backColour, 0x00FF00u);
  EXPECT_EQ(data.maxButton, 1);
  EXPECT_EQ(data.minButton, 0);
  EXPECT_EQ(data.musicPlayMode, 2);
  EXPECT_EQ(data.helpTopic, 7);
  EXPECT_EQ(data.showInTaskbar, 1) << "from version 2";
  EXPECT_EQ(data.shape, 0) << "from version 3";
  EXPECT_EQ(data.caption, "旧窗口");
  EXPECT_EQ(data.helpFile, "old.hlp");
}

TEST(WindowData, AVersionAboveSixOrAShortRecordFails) {
  WindowData data;
  std::vector<uint8_t> stream = StoreProperties(data);
  stream[0] = 7;
  EXPECT_FALSE(LoadProperties(data, stream));
  stream[0] = 6;
  EXPECT_FALSE(LoadProperties(data, std::span<const uint8_t>(stream).first(stream.size() - 1)));
}

}  // namespace
}  // namespace vx
