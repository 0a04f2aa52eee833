// The audio device, through winmm wave output. Its ring of blocks is the bounded
// queue between a voice's synthesis and its playback: synthesis, much faster than
// playback, runs up to ~1.5 s ahead and then waits for the device (holding nothing
// of eSpeak) instead of making a whole text's audio; a paused device holds it too.
#pragma once

#include <array>
#include <mutex>
#include <vector>

#include "speech/platform/espeak/audio_output.h"

namespace vx::espeak {

class WaveOutOutput : public AudioOutput {
 public:
  WaveOutOutput();
  ~WaveOutOutput() override;

  // Opens the default device on first use; fails when there is none.
  HRESULT Open() override;
  bool Write(const int16_t* samples, size_t count, const std::atomic<bool>& stop) override;
  bool Finish(const std::atomic<bool>& stop) override;
  void Discard() override;
  void SetPaused(bool paused) override;

 private:
  static constexpr size_t kBlockSamples = 4096;  // ~0.19 s
  static constexpr size_t kBlocks = 8;

  struct Block {
    WAVEHDR header{};
    std::vector<int16_t> samples;
    bool queued = false;  // its header is prepared and was written, until ReleaseBlock
  };

  bool InFlight(const Block& block) const;
  // Waits until the block at next_ may be filled again; false when stopped.
  bool WaitForFreeBlock(const std::atomic<bool>& stop);
  bool Submit(Block& block);
  void ReleaseBlock(Block& block);

  std::mutex deviceMutex_;  // the device handle and the blocks' headers
  HWAVEOUT device_ = nullptr;
  HANDLE blockDone_;
  std::array<Block, kBlocks> blocks_;
  size_t next_ = 0;                  // the block being filled
  std::atomic<bool> failed_{false};  // set by the synthesis thread, cleared by Open
};

}  // namespace vx::espeak
