#include "units/window/window_property_data.h"

#include <gtest/gtest.h>

#include "runtime/template/archive_writer.h"

namespace vx {
namespace {

TEST(WindowPropertyData, DefaultsAreThoseOfANewWindow) {
  WindowPropertyData data;
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

TEST(WindowPropertyData, Version6RoundTrips) {
  WindowPropertyData data;
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
  std::vector<uint8_t> stream = data.Stream();
  WindowPropertyData read;
  ASSERT_TRUE(LoadPropertyData(read, stream.data(), static_cast<int32_t>(stream.size())));
  EXPECT_EQ(read.Stream(), stream);
  EXPECT_EQ(read.caption, "朗读");
  EXPECT_EQ(read.windowClassName, "MyClass");
  EXPECT_EQ(read.backgroundMusic, (std::vector<uint8_t>{5, 6}));
}

// A version-1 record: the thirteen words, no later fields, then blocks and texts.
TEST(WindowPropertyData, OlderVersionsLeaveLaterFieldsAtTheirDefaults) {
  ArchiveWriter out;
  out.U32(1);
  for (int32_t value : {4, 2, 0x00FF00, 1, 0, 0, 0, 0, 2, 1, 0, 1, 7}) out.I32(value);
  out.Block({}).Block({}).Block({}).Text("旧窗口").Text("old.hlp");
  std::vector<uint8_t> record = out.Take();
  WindowPropertyData data;
  ASSERT_TRUE(LoadPropertyData(data, record.data(), static_cast<int32_t>(record.size())));
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

TEST(WindowPropertyData, AVersionAboveSixOrAShortRecordFails) {
  WindowPropertyData data;
  std::vector<uint8_t> stream = data.Stream();
  stream[0] = 7;
  EXPECT_FALSE(LoadPropertyData(data, stream.data(), static_cast<int32_t>(stream.size())));
  stream[0] = 6;
  EXPECT_FALSE(LoadPropertyData(data, stream.data(), static_cast<int32_t>(stream.size()) - 1));
}

}  // namespace
}  // namespace vx
