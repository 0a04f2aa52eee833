#include "units/window/window_shape_outlines.h"

namespace vx {
namespace {

constexpr uint16_t kOutlineEnd = 0xFFFF;
constexpr int64_t kFull = 32767;

// Shapes 13 to 18 and 20 to 29 are outlines of their own: stars, starbursts,
// regular polygons, arrows, a gear and a heart.
constexpr uint16_t kShape4[] = {16383, 0, 32767, 32767, 0, 32767, 16383, 0, kOutlineEnd};
constexpr uint16_t kShape5[] = {0, 0, 32767, 0, 16383, 32767, kOutlineEnd};
constexpr uint16_t kShape6[] = {0, 0, 32767, 32767, 0, 32767, kOutlineEnd};
constexpr uint16_t kShape7[] = {32767, 0, 32767, 32767, 0, 32767, kOutlineEnd};
constexpr uint16_t kShape8[] = {10922, 0, 32767, 0, 21845, 32767, 0, 32767, kOutlineEnd};
constexpr uint16_t kShape9[] = {16383, 0, 32767, 12287, 27306, 32767, 5461, 32767, 0, 12287, kOutlineEnd};
constexpr uint16_t kShape10[] = {8191, 0, 24576, 0, 32767, 16383, 24576, 32767, 8191, 32767, 0, 16383, kOutlineEnd};
constexpr uint16_t kShape11[] = {10922, 0, 21845, 0, 32767, 32767, 0, 32767, kOutlineEnd};
constexpr uint16_t kShape12[] = {16383, 0, 32767, 16383, 16383, 32767, 0, 16383, kOutlineEnd};
constexpr uint16_t kShape13[] = {16384, 0,    20062, 11320, 31965, 11321, 22336, 18317, 26013, 29638,      16384,
                                 22642, 6754, 29638, 10431, 18317, 802,   11321, 12705, 11320, kOutlineEnd};
constexpr uint16_t kShape14[] = {16384, 0,     20438, 12329, 32767, 16384, 20438, 20438,      16384,
                                 32767, 12329, 20438, 0,     16384, 12329, 12329, kOutlineEnd};
constexpr uint16_t kShape15[] = {16384, 0,     25241, 2601,  31286, 9578,  32600,      18715,
                                 28765, 27112, 20999, 32103, 11768, 32103, 4002,       27112,
                                 167,   18715, 1481,  9578,  7526,  2601,  kOutlineEnd};
constexpr uint16_t kShape16[] = {16384, 0,     19776, 3723,  24575, 2195,  25651, 7116,  30572,      8192,
                                 29044, 12991, 32767, 16384, 29044, 19776, 30572, 24575, 25651,      25651,
                                 24575, 30572, 19776, 29044, 16384, 32767, 12991, 29044, 8192,       30572,
                                 7116,  25651, 2195,  24575, 3723,  19776, 0,     16384, 3723,       12991,
                                 2195,  8192,  7116,  7116,  8192,  2195,  12991, 3723,  kOutlineEnd};
constexpr uint16_t kShape17[] = {
    16384, 0,     19373, 3286,  23492, 1622,  24760, 5880,  29193, 6169,  28488, 10555,      32356, 12738, 29818,
    16384, 32356, 20029, 28488, 22212, 29193, 26598, 24760, 26887, 23492, 31145, 19373,      29481, 16384, 32767,
    13394, 29481, 9275,  31145, 8007,  26887, 3574,  26598, 4279,  22212, 411,   20029,      2949,  16384, 411,
    12738, 4279,  10555, 3574,  6169,  8007,  5880,  9275,  1622,  13394, 3286,  kOutlineEnd};
constexpr uint16_t kShape18[] = {32767, 16384, 24575, 30572, 8192, 30572,      0,
                                 16384, 8192,  2195,  24575, 2195, kOutlineEnd};
constexpr uint16_t kShape19[] = {6553, 0, 0, 6553, 0, 32767, 32767, 32767, 32767, 0, kOutlineEnd};
constexpr uint16_t kShape20[] = {0,     16383, 16383, 0,     16383, 8191,  32767,      8191,
                                 32767, 24575, 16383, 24575, 16383, 32767, kOutlineEnd};
constexpr uint16_t kShape21[] = {32767, 16383, 16383, 0,     16383, 8191,  0,          8191,
                                 0,     24575, 16383, 24575, 16383, 32767, kOutlineEnd};
constexpr uint16_t kShape22[] = {16383, 0,     32767, 16383, 24575, 16383, 24575,      32767,
                                 8191,  32767, 8191,  16383, 0,     16383, kOutlineEnd};
constexpr uint16_t kShape23[] = {16383, 32767, 32767, 16383, 24575, 16383, 24575,      0,
                                 8191,  0,     8191,  16383, 0,     16383, kOutlineEnd};
constexpr uint16_t kShape24[] = {16384, 32767, 12705, 21447, 802,   21446, 10431, 14450, 6754,  3129,       16383,
                                 10125, 26013, 3129,  22336, 14450, 31965, 21446, 20062, 21447, kOutlineEnd};
constexpr uint16_t kShape25[] = {16384, 0,    26013, 3129, 31965, 11321, 31965, 21446, 26013, 29638,      16384,
                                 32767, 6754, 29638, 802,  21446, 802,   11321, 6754,  3129,  kOutlineEnd};
constexpr uint16_t kShape26[] = {14538, 4733,  14956, 62,    17811, 62,    18229, 4733,  25551,      8960,
                                 29804, 6986,  31232, 9460,  27396, 12156, 27396, 20611, 31232,      23307,
                                 29804, 25781, 25551, 23807, 18229, 28034, 17811, 32705, 14956,      32705,
                                 14538, 28034, 7216,  23807, 2963,  25781, 1535,  23307, 5371,       20611,
                                 5371,  12156, 1535,  9460,  2963,  6986,  7216,  8960,  kOutlineEnd};
constexpr uint16_t kShape27[] = {16384, 8738,  17156, 6069,  21393, 1820,  28136, 2133,       32558,
                                 7941,  30961, 15543, 24710, 22370, 18774, 28249, 16485,      32199,
                                 16282, 32199, 13993, 28249, 8057,  22370, 1806,  15543,      209,
                                 7941,  4631,  2133,  11374, 1820,  15611, 6069,  kOutlineEnd};
constexpr uint16_t kShape28[] = {22653, 1247, 31520, 10114, 31520, 22653, 22653, 31520,      10114,
                                 31520, 1247, 22653, 1247,  10114, 10114, 1247,  kOutlineEnd};
constexpr uint16_t kShape29[] = {16383, 0, 32767, 12287, 32767, 32767, 0, 32767, 0, 12287, kOutlineEnd};

constexpr const uint16_t* kOutlines[] = {
    kShape4,  kShape5,  kShape6,  kShape7,  kShape8,  kShape9,  kShape10, kShape11, kShape12,
    kShape13, kShape14, kShape15, kShape16, kShape17, kShape18, kShape19, kShape20, kShape21,
    kShape22, kShape23, kShape24, kShape25, kShape26, kShape27, kShape28, kShape29,
};

// value * size / 32767 rounded half away from zero, as MulDiv does.
int32_t Scale(int64_t value, int64_t size) {
  int64_t product = value * size;
  int64_t rounded = (product >= 0 ? product + kFull / 2 : product - kFull / 2) / kFull;
  return static_cast<int32_t>(rounded);
}

}  // namespace

std::vector<ShapePoint> ScaledOutline(int32_t shape, int32_t width, int32_t height) {
  std::vector<ShapePoint> points;
  if (shape < window_shape::kFirstOutline || shape > window_shape::kLastOutline) return points;
  for (const uint16_t* at = kOutlines[shape - window_shape::kFirstOutline]; *at != kOutlineEnd; at += 2) {
    points.push_back({Scale(at[0], width), Scale(at[1], height)});
  }
  return points;
}

}  // namespace vx
