#include "app/toggle_order.h"

namespace voxlet {

void ToggleOrder::TakeTurn(Kind kind) {
  std::lock_guard<std::mutex> lock(mutex_);
  turns_[kind].push_back(taken_++);
}

void ToggleOrder::Act(Kind kind, const std::function<void()>& act) {
  std::unique_lock<std::mutex> lock(mutex_);
  uint64_t turn = turns_[kind].front();
  turns_[kind].pop_front();
  acted_.wait(lock, [&] { return done_ == turn; });
  // The turn is this routine's alone; the lock is free meanwhile for new clicks.
  lock.unlock();
  act();
  lock.lock();
  ++done_;
  acted_.notify_all();
}

void ToggleOrder::WaitUntilAllActed() {
  std::unique_lock<std::mutex> lock(mutex_);
  acted_.wait(lock, [&] { return done_ == taken_; });
}

}  // namespace voxlet
