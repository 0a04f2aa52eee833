// The look's pure drawing: colour arithmetic, gradient rectangles and the round
// mark, on canvases with guard pixels round what is drawn.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "commands/control_look/look_glyphs.h"
#include "commands/control_look/pixel_canvas.h"

namespace vx::look {
namespace {

constexpr Rgb kGuard{1, 2, 3};
constexpr uint32_t kGuardWord = 0x010203;

TEST(LookColour, DarkeningStopsAtZeroInEachChannel) {
  EXPECT_EQ(Darken({0x10, 0x80, 0xFF}, 0x202020), (Rgb{0x00, 0x60, 0xDF}));
  EXPECT_EQ(Darken({0xF0, 0xF0, 0xF0}, 0x151515), (Rgb{0xDB, 0xDB, 0xDB}));
}

TEST(GradientRect, AVerticalGradientRunsFromTheFirstRowToTheLast) {
  const Rgb top{255, 240, 207}, bottom{229, 151, 0};
  for (int height : {1, 2, 3, 24}) {
    std::vector<uint32_t> pixels(static_cast<size_t>(5) * (height + 2), kGuardWord);
    PixelCanvas canvas(pixels.data(), 5, height + 2);
    canvas.Gradient({1, 1, 4, 1 + height}, Vertical(top, bottom));
    SCOPED_TRACE(height);
    EXPECT_EQ(canvas.At(2, 1), top);
    EXPECT_EQ(canvas.At(3, height), height == 1 ? top : bottom);
    EXPECT_EQ(canvas.At(2, 0), kGuard) << "above";
    EXPECT_EQ(canvas.At(2, height + 1), kGuard) << "below";
    EXPECT_EQ(canvas.At(0, 1), kGuard) << "left";
    EXPECT_EQ(canvas.At(4, 1), kGuard) << "right";
  }
}

TEST(GradientRect, TwoTrianglesTakeTheCornerColoursAndMeetWithoutASeam) {
  const Corners corners = {{214, 203, 189}, {214, 207, 198}, {247, 243, 239}, {200, 100, 0}};
  constexpr int kWidth = 40, kHeight = 12;
  std::vector<uint32_t> pixels(kWidth * kHeight);
  PixelCanvas canvas(pixels.data(), kWidth, kHeight);
  canvas.Gradient(canvas.bounds(), corners);
  EXPECT_EQ(canvas.At(0, 0), corners.topLeft);
  EXPECT_EQ(canvas.At(kWidth - 1, 0), corners.topRight);
  EXPECT_EQ(canvas.At(0, kHeight - 1), corners.bottomLeft);
  EXPECT_EQ(canvas.At(kWidth - 1, kHeight - 1), corners.bottomRight);
  // Neighbours differ by no more than the steepest side allows, on both sides of
  // the diagonal between top-right and bottom-left.
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 1; x < kWidth; ++x) {
      const Rgb a = canvas.At(x - 1, y), b = canvas.At(x, y);
      EXPECT_LE(std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b), 30) << x << "," << y;
    }
  }
}

TEST(GradientRect, APartlyOutsideRectangleIsClippedToTheCanvas) {
  std::vector<uint32_t> buffer(10 * 10, kGuardWord);
  // The canvas is the middle 6 rows of the buffer, all 10 columns.
  PixelCanvas canvas(buffer.data() + 20, 10, 6);
  canvas.Gradient({-5, -5, 15, 15}, {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}});
  canvas.Fill({-3, 4, 20, 30}, {9, 9, 9});
  for (int i = 0; i < 20; ++i) {
    EXPECT_EQ(buffer[i], kGuardWord) << "above, word " << i;
    EXPECT_EQ(buffer[80 + i], kGuardWord) << "below, word " << i;
  }
}

TEST(RoundMark, FillsItsBoxSymmetricallyWithTheDotInTheMiddle) {
  std::vector<uint32_t> pixels(13 * 13, kGuardWord);
  PixelCanvas canvas(pixels.data(), 13, 13);
  const Rgb ring{24, 81, 132}, inside{250, 250, 250}, dot{33, 162, 33};
  DrawRoundMark(canvas, canvas.bounds(), {ring, Flat(inside), dot});
  EXPECT_EQ(canvas.At(6, 0), ring);
  EXPECT_EQ(canvas.At(0, 6), ring);
  EXPECT_EQ(canvas.At(0, 0), kGuard) << "corners stay as they were";
  EXPECT_EQ(canvas.At(6, 6), dot);
  EXPECT_EQ(canvas.At(6, 3), inside);
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; x < 13; ++x) {
      EXPECT_EQ(canvas.At(x, y), canvas.At(12 - x, y)) << x << "," << y;
      EXPECT_EQ(canvas.At(x, y), canvas.At(x, 12 - y)) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace vx::look
