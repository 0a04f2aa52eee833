// Changes how fast audio plays without changing its pitch, with sonic: the engine
// slows speech down below eSpeak's own lowest speed this way.
#pragma once

#include <cstdint>
#include <vector>

struct sonicStreamStruct;  // sonic's stream, from sonic.h

namespace vx::espeak {

class AudioSpeed {
 public:
  // speed: 1 leaves the audio as it is, 0.5 makes it twice as long.
  AudioSpeed(int sampleRate, double speed);
  ~AudioSpeed();
  AudioSpeed(const AudioSpeed&) = delete;
  AudioSpeed& operator=(const AudioSpeed&) = delete;

  // Replaces pcm, the next stretch of one item's audio, by as much of it at the new
  // speed as is ready; the rest follows with the next stretch, or now when this is
  // the last. Running out of memory throws std::bad_alloc, like the vector would.
  void Apply(std::vector<int16_t>* pcm, bool last);

 private:
  ::sonicStreamStruct* stream_;
};

}  // namespace vx::espeak
