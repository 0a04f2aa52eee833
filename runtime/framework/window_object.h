// The framework's window object: a C++ object bound to a window handle. Objects
// bound for good are found again from their handle through the permanent map.
// Windows of the framework's own classes and subclassed system controls send their
// messages through WindowProc; a parent hands its children's notifications back to
// them (reflection) so each unit answers for its own control.
//
// Handlers run inside window procedures and may destroy the very window whose
// procedure raised them. An object therefore lets go of its handle at WM_NCDESTROY
// but is deleted only when the outermost call on it returns: every WindowProc call
// and every Hold counts. Code after anything that can run a handler re-checks
// IsLive() before it touches the window again.
#pragma once

#include <windows.h>

namespace vx {

// Asks a window for its framework object; 0 when it has none.
constexpr UINT kQueryWindowObjectMessage = 0x8002;

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
  // Unbinds and returns the handle; a subclassed window gets its own procedure back.
  HWND Detach();

  // Attaches to an existing window (a system control) and routes its messages
  // through WindowProc, keeping its own procedure for the default handling.
  bool SubclassWindow(HWND window);

  // Creates a window whose class uses FrameworkWindowProc, bound to this object
  // from its first message on.
  HWND CreateFrameworkWindow(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                             int width, int height, HWND parent, HMENU menuOrId);

  // From now on the window owns this object: it is deleted after the window's last
  // message, once no call on it is running. Until then (while it is being created)
  // its creator owns it, and a window that dies during creation leaves it alone.
  void DeleteWithWindow() { deleteWithWindow_ = true; }

  // Keeps the object from being deleted while a call outside its window procedure
  // (a unit operation, say) works on it; its window may still go meanwhile.
  class Hold {
   public:
    explicit Hold(WindowObject* object);
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
    ~Hold();

   private:
    WindowObject* object_;
  };

  // Offered every message on its way to this window or one of its children,
  // before translation and dispatch; true when handled (the message is dropped).
  virtual bool PreTranslateMessage(MSG* message);

  static WindowObject* FromHandlePermanent(HWND window);

  // The procedure of the framework's window classes.
  static LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  // Every message of the window. The default reflects child notifications to
  // the child's object, then falls back to DefaultProc.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The window's own procedure (subclassed controls) or DefWindowProc; 0 once the
  // object has let go of its window.
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
  // A notification of this control handed back by its parent: WM_COMMAND,
  // WM_NOTIFY, scrolling, colours, owner-draw. True and *result when answered.
  virtual bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

 private:
  static LRESULT Route(WindowObject* object, UINT message, WPARAM wParam, LPARAM lParam);
  void Enter() { ++calls_; }
  // The last call on an object whose window is gone deletes an object the window owns.
  void Leave();

  HWND handle_ = nullptr;
  WNDPROC originalProc_ = nullptr;  // set while a system control is subclassed
  int calls_ = 0;                   // window-procedure calls and Holds running
  bool windowGone_ = false;         // WM_NCDESTROY has passed
  bool deleteWithWindow_ = false;
};

}  // namespace vx
