// The start/pause button's pause and resume routines run on threads of their own,
// one per click, and threads may start in any order. Each click takes a turn on the
// GUI thread before its thread starts; a routine acts only when every earlier turn
// has acted, so speech ends paused or running as the last click said. The exit
// waits for turns still to act, so no routine outlives the speech object.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>

namespace voxlet {

class ToggleOrder {
 public:
  enum Kind { kPause, kResume };

  // On the GUI thread, for a click, before its routine's thread starts.
  void TakeTurn(Kind kind);
  // In a routine: waits for the oldest turn of its kind, runs act, and lets the
  // next turn go. The routines of one kind do the same, so any may take any of
  // their turns.
  void Act(Kind kind, const std::function<void()>& act);
  // Returns once every turn taken has acted.
  void WaitUntilAllActed();

 private:
  std::mutex mutex_;
  std::condition_variable acted_;
  std::deque<uint64_t> turns_[2];  // by kind, oldest first
  uint64_t taken_ = 0;
  uint64_t done_ = 0;
};

}  // namespace voxlet
