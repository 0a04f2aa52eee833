// A lock that threads get in the order they asked for it, so a thread that
// releases it and asks again at once cannot starve the others.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace vx::espeak {

class FairLock {
 public:
  void lock() {
    std::unique_lock<std::mutex> guard(mutex_);
    uint64_t ticket = next_++;
    turn_.wait(guard, [&] { return serving_ == ticket; });
  }
  // Whether a thread other than the one holding the lock waits for it.
  bool Contended() {
    std::lock_guard<std::mutex> guard(mutex_);
    return next_ - serving_ > 1;
  }
  void unlock() {
    {
      std::lock_guard<std::mutex> guard(mutex_);
      ++serving_;
    }
    turn_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable turn_;
  uint64_t next_ = 0;
  uint64_t serving_ = 0;
};

}  // namespace vx::espeak
