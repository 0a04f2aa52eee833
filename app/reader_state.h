// The reader's four global variables, all zero when the program starts. They are
// read and written on the GUI thread only.
#pragma once

#include <cstdint>

namespace voxlet {

// speechState: the last speech-stream notification.
inline constexpr int32_t kNoStreamYet = 0;
inline constexpr int32_t kStreamStarted = 1;
inline constexpr int32_t kStreamEnded = 2;

struct ReaderGlobals {
  int32_t* speechUnit = nullptr;  // the speech object's 8-byte instance block
  int32_t speechState = kNoStreamYet;
  int32_t pausedFlag = 0;  // bit 0: the start/pause button paused speech last
  int32_t rateBase = 0;    // added to the rate slider's position to form the rate
};

ReaderGlobals& ReaderState();

}  // namespace voxlet
