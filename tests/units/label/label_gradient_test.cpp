// The label's gradients: which colours they run through and where each one lands.
#include "units/label/label_gradient.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

constexpr uint32_t kRed = 0x0000FF, kWhite = 0xFFFFFF, kBlue = 0xFF0000;  // as stored: 0x00BBGGRR
constexpr uint32_t kRedPixel = 0xFF0000, kBluePixel = 0x0000FF;           // in a DIB: 0x00RRGGBB
const std::vector<uint32_t> kStops = {kRed, kWhite, kBlue};

TEST(LabelGradient, OnlyTheColoursSetTakePartAndNeighboursMixChannelByChannel) {
  EXPECT_EQ(GradientStops({kRed, 0xFF000000, kBlue}), (std::vector<uint32_t>{kRed, kBlue}));
  EXPECT_EQ(ColourAlong(kStops, 0.5), kWhite);
  EXPECT_EQ(ColourAlong(kStops, 0.25), 0x8080FFu) << "half way from red to white";
  EXPECT_EQ(FrameRingColour(4, 9, kStops), kWhite) << "the middle ring of nine";
  EXPECT_EQ(FrameRingColour(8, 9, kStops), kBlue) << "the innermost ring";
}

TEST(LabelGradient, EachKindPutsItsFirstAndLastColourWhereItsNameSays) {
  const PixelRect area = {10, 20, 19, 29};  // 9 x 9, its centre at (14, 24)
  const struct {
    int32_t mode;
    PixelRect first, last;
  } cases[] = {
      {1, {10, 24, 11, 25}, {18, 24, 19, 25}}, {2, {14, 20, 15, 21}, {14, 28, 15, 29}},
      {3, {10, 20, 11, 21}, {18, 28, 19, 29}}, {4, {10, 28, 11, 29}, {18, 20, 19, 21}},
      {5, {18, 22, 19, 23}, {14, 22, 15, 23}}, {6, {12, 28, 13, 29}, {12, 24, 13, 25}},
      {7, {10, 24, 11, 25}, {14, 24, 15, 25}}, {8, {18, 28, 19, 29}, {14, 24, 15, 25}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GradientPixels(c.mode, kStops, area, c.first), std::vector<uint32_t>{kRedPixel}) << c.mode;
    EXPECT_EQ(GradientPixels(c.mode, kStops, area, c.last), std::vector<uint32_t>{kBluePixel}) << c.mode;
  }
  EXPECT_NE(GradientPixels(8, kStops, area, {10, 24, 11, 25}).at(0), kRedPixel) << "round: red only in the corners";
}

}  // namespace
}  // namespace vx
