#include "units/window/window_styles.h"

#include <gtest/gtest.h>

#include "units/window/window_data.h"

namespace vx {
namespace {

namespace ws = window_style;

TEST(WindowStyles, ANormalFixedWindowHasCaptionSystemMenuAndMinimiseBox) {
  WindowData data;  // border 2, control box, minimise button
  WindowStyles styles = FrameStyles(data, false);
  EXPECT_EQ(styles.style, ws::kCaption | ws::kSysMenu | ws::kMinimizeBox);
  EXPECT_EQ(styles.exStyle, 0u);
}

TEST(WindowStyles, BordersGiveTheirFramesAndEdges) {
  WindowData data;
  data.border = 3;
  EXPECT_TRUE(FrameStyles(data, false).style & ws::kThickFrame);
  EXPECT_EQ(FrameStyles(data, false).exStyle, ws::kExToolWindow);
  data.border = 6;
  EXPECT_FALSE(FrameStyles(data, false).style & ws::kThickFrame);
  EXPECT_EQ(FrameStyles(data, false).exStyle, ws::kExClientEdge);
  EXPECT_EQ(FrameStyles(data, true).exStyle, ws::kExClientEdge | ws::kExDlgModalFrame);
  data.border = 0;
  EXPECT_EQ(FrameStyles(data, false).style & (ws::kCaption | ws::kThickFrame | ws::kSysMenu), 0u);
}

TEST(WindowStyles, NoCaptionWithoutTextOrControlBox) {
  WindowData data;
  data.controlBox = 0;
  EXPECT_EQ(FrameStyles(data, false).style & ws::kCaption, ws::kDlgFrame);
  data.caption = "标题";
  EXPECT_EQ(FrameStyles(data, false).style & ws::kCaption, ws::kCaption);
}

TEST(WindowStyles, MaximisedStartNeedsAThickFrame) {
  WindowData data;
  data.startPosition = start_position::kMaximised;
  EXPECT_FALSE(CreationStyles(data, 0, false, false).style & ws::kMaximize);
  data.border = 1;
  EXPECT_TRUE(CreationStyles(data, 0, false, false).style & ws::kMaximize);
  data.startPosition = start_position::kMinimised;
  EXPECT_TRUE(CreationStyles(data, 0, false, false).style & ws::kMinimize);
}

TEST(WindowStyles, EmbeddedWindowsAreChildrenWithoutThickFrameAndOwnedOnesPopUps) {
  WindowData data;
  data.border = 1;
  WindowStyles embedded = CreationStyles(data, 0x10000, true, true);
  EXPECT_TRUE(embedded.style & ws::kChild);
  EXPECT_FALSE(embedded.style & (ws::kThickFrame | ws::kPopup));
  EXPECT_TRUE(embedded.style & 0x10000) << "the loader's bits are kept";
  EXPECT_TRUE(embedded.style & ws::kClipChildren);
  EXPECT_TRUE(CreationStyles(data, 0, false, true).style & ws::kPopup);
}

}  // namespace
}  // namespace vx
