// The runtime's application object: the compiled program runs inside its
// InitInstance, and its ExitInstance runs the clean-up of a normal end.
#pragma once

#include <cstdint>
#include <unordered_set>

#include "contract/program.h"
#include "runtime/framework/application.h"

namespace vx {

class AppObject : public Application {
 public:
  AppObject(const ProgramHeader& header, ProgramEntry entry);

  // Keeps the module directory and runs the program's entry routine; true (the
  // framework's own loop follows) only when the routine answers non-zero.
  bool InitInstance() override;
  // Clean-up with exit code 0, then the framework's result as the exit code.
  int ExitInstance() override;
  // The framework's idle work first, then the windows' Idle event (event 7) with
  // the milliseconds since idling began, for as long as some window asks for it.
  bool OnIdle(long count) override;
  // Like the framework's walk, but a window without a permanent object is asked
  // for one.
  bool PreTranslateMessage(MSG* message) override;

 private:
  ProgramEntry entry_;
  uint32_t idleStart_ = 0;
  bool frameworkIdleMore_ = false;
  std::unordered_set<uint32_t> declinedIdle_;  // window ids
};

// The process entry: the application object carries the program (its
// InitInstance runs the entry routine, its ExitInstance the clean-up) and its
// result is the process exit code.
int RunProgram(const ProgramHeader& header, ProgramEntry entry);

}  // namespace vx
