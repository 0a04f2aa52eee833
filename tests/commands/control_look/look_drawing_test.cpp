// The look's pure drawing where a fault would not show on screen: a dark channel
// borrowing, a one-pixel gradient dividing by zero, drawing past the canvas.
#include <gtest/gtest.h>

#include <vector>

#include "commands/control_look/pixel_canvas.h"

namespace vx::look {
namespace {

constexpr uint32_t kGuard = 0x010203;

TEST(LookColour, DarkeningStopsAtZeroInEachChannel) {
  EXPECT_EQ(Darken({0x10, 0x80, 0xFF}, 0x202020), (Rgb{0x00, 0x60, 0xDF}));
}

TEST(GradientRect, RunsFromTheFirstRowToTheLastWhateverTheHeight) {
  const Rgb top{255, 240, 207}, bottom{229, 151, 0};
  for (int height : {1, 2, 24}) {
    std::vector<uint32_t> pixels(static_cast<size_t>(3) * height);
    PixelCanvas canvas(pixels.data(), 3, height);
    canvas.Gradient(canvas.bounds(), Vertical(top, bottom));
    canvas.Gradient({1, 0, 2, height}, {top, bottom, bottom, top});  // two triangles, one pixel wide
    EXPECT_EQ(canvas.At(0, 0), top) << height;
    EXPECT_EQ(canvas.At(2, height - 1), height == 1 ? top : bottom) << height;
    EXPECT_EQ(canvas.At(1, 0), top) << height;
  }
}

TEST(GradientRect, NothingIsDrawnPastTheCanvas) {
  std::vector<uint32_t> buffer(10 * 10, kGuard);
  PixelCanvas canvas(buffer.data() + 20, 10, 6);  // rows 2 to 7 of the buffer
  canvas.Gradient({-5, -5, 15, 15}, {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}});
  canvas.Fill({-3, 4, 20, 30}, {9, 9, 9});
  canvas.Frame({-1, -1, 11, 7}, {9, 9, 9});
  for (int i = 0; i < 20; ++i) {
    EXPECT_EQ(buffer[i], kGuard) << "above, word " << i;
    EXPECT_EQ(buffer[80 + i], kGuard) << "below, word " << i;
  }
}

}  // namespace
}  // namespace vx::look
