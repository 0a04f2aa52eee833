// The reader's constant data: its texts (GBK, each ending in a zero byte) and the
// numbers of its handlers' arithmetic. The texts live in one ConstantBlock that
// the program header names, so the runtime never frees or resizes them.
#pragma once

#include <cstdint>

namespace voxlet {

struct ReaderConstants {
  // Five lines of 44 bytes joined by CR LF: 228 bytes, no trailing line break.
  char instructionText[229];
  char volumePrefix[8];
  char ratePrefix[8];
  char percentSuffix[2];
  char wavFilter[26];
  char wavExtension[4];
  char engineMissingMessage[53];
  char pauseCaption[5];
  char startCaption[5];
};

const ReaderConstants& Constants();

inline constexpr double kVolumeFactor = 2.0;       // slider position to volume and percentage
inline constexpr double kRateStep = 1.0;           // subtracted when forming the rate
inline constexpr double kRateShift = 10.0;         // rate to rate-progress position
inline constexpr double kRatePercentFactor = 5.0;  // rate-progress position to percentage
inline constexpr int32_t kRateBaseValue = -10;
inline constexpr int32_t kControlLookStyle = 3;
inline constexpr int32_t kSpeakPlainText = 0;  // speak mode 0
inline constexpr int32_t kSelectAll = -1;      // SelLength -1

}  // namespace voxlet
