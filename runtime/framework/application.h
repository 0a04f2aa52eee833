// The framework's application object: the process runs inside it. The entry
// calls InitInstance; when that answers true the message loop (Run) follows, and
// ExitInstance ends the process with its result either way.
#pragma once

#include <windows.h>

namespace vx {

class Application {
 public:
  Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  virtual ~Application();

  // The one application object of the process, or null.
  static Application* Current();

  // Runs the whole application: InitInstance, then Run or ExitInstance.
  int Main();

  virtual bool InitInstance() = 0;
  // The process exit code: the wParam of the last message taken (WM_QUIT's code).
  virtual int ExitInstance();
  // Idle time while no message waits; count counts the calls since the last
  // message that restarts idling. True asks for more idle time.
  virtual bool OnIdle(long count);
  // Offered each message before it is translated and dispatched; true when handled.
  virtual bool PreTranslateMessage(MSG* message);

  // The loop: idle time while the queue is empty, then messages until WM_QUIT.
  int Run();
  // Takes and dispatches one message; false when it was WM_QUIT.
  bool PumpMessage();
  // Whether a message restarts idle time: not a repeated mouse move at the same
  // place, a paint or the caret's blink timer.
  bool IsIdleMessage(const MSG* message);

  const MSG& lastMessage() const { return message_; }

 protected:
  // Walks from the message's window up through its parents to the top-level
  // window, offering the message to each window's permanent object; with
  // askWindows, a window without one is asked for its object first.
  bool WalkPreTranslateTree(MSG* message, bool askWindows);

 private:
  MSG message_ = {};
  POINT lastMousePosition_ = {-1, -1};
  UINT lastMouseMessage_ = 0;
};

}  // namespace vx
