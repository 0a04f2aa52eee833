// The framework's window object: a C++ object bound to a window handle. Objects
// bound for good are found again from their handle through the permanent map.
#pragma once

#include <windows.h>

namespace vx {

class WindowObject {
 public:
  WindowObject() = default;
  WindowObject(const WindowObject&) = delete;
  WindowObject& operator=(const WindowObject&) = delete;
  virtual ~WindowObject();

  HWND handle() const { return handle_; }
  // The object still has a window: its handle names a live window.
  bool IsLive() const { return handle_ && IsWindow(handle_); }

  // Binds the handle to this object in the permanent map; false when the object
  // already has a handle or the handle already has an object.
  bool Attach(HWND window);
  // Unbinds and returns the handle.
  HWND Detach();

  static WindowObject* FromHandlePermanent(HWND window);

 private:
  HWND handle_ = nullptr;
};

}  // namespace vx
