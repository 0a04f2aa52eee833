#include "runtime/framework/window_object.h"

#include <unordered_map>

#include "runtime/framework/message_reflection.h"

namespace vx {
namespace {

// Window objects belong to the GUI thread; so does this map.
std::unordered_map<HWND, WindowObject*>& PermanentMap() {
  static std::unordered_map<HWND, WindowObject*> map;
  return map;
}

// The object whose window CreateFrameworkWindow is creating: it takes the first
// message the new window receives.
WindowObject* objectBeingCreated = nullptr;

}  // namespace

WindowObject::~WindowObject() { Detach(); }

bool WindowObject::Attach(HWND window) {
  if (handle_ || !window || PermanentMap().count(window)) return false;
  handle_ = window;
  PermanentMap()[window] = this;
  return true;
}

HWND WindowObject::Detach() {
  HWND window = handle_;
  if (!window) return nullptr;
  if (originalProc_ && IsWindow(window)) {
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc_));
  }
  originalProc_ = nullptr;
  PermanentMap().erase(window);
  handle_ = nullptr;
  return window;
}

bool WindowObject::SubclassWindow(HWND window) {
  if (!Attach(window)) return false;
  originalProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrameworkWindowProc)));
  return true;
}

HWND WindowObject::CreateFrameworkWindow(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                                         int x, int y, int width, int height, HWND parent, HMENU menuOrId) {
  WindowObject* outer = objectBeingCreated;
  objectBeingCreated = this;
  HWND window = CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menuOrId,
                                GetModuleHandleW(nullptr), nullptr);
  objectBeingCreated = outer;
  return window;
}

bool WindowObject::PreTranslateMessage(MSG*) { return false; }

WindowObject* WindowObject::FromHandlePermanent(HWND window) {
  auto found = PermanentMap().find(window);
  return found == PermanentMap().end() ? nullptr : found->second;
}

LRESULT CALLBACK WindowObject::FrameworkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowObject* object = FromHandlePermanent(window);
  if (!object && objectBeingCreated && !objectBeingCreated->handle_) {
    object = objectBeingCreated;
    objectBeingCreated = nullptr;
    object->Attach(window);
  }
  if (!object) return DefWindowProcW(window, message, wParam, lParam);
  return Route(object, message, wParam, lParam);
}

WindowObject::Hold::Hold(WindowObject* object) : object_(object) {
  if (object_) object_->Enter();
}

WindowObject::Hold::~Hold() {
  if (object_) object_->Leave();
}

void WindowObject::Leave() {
  if (--calls_ == 0 && windowGone_ && deleteWithWindow_) delete this;
}

LRESULT WindowObject::Route(WindowObject* object, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kQueryWindowObjectMessage) return reinterpret_cast<LRESULT>(object);
  object->Enter();
  LRESULT result = object->WindowProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    object->Detach();
    object->windowGone_ = true;
  }
  object->Leave();
  return result;
}

LRESULT WindowObject::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (HWND child = NotifyingChild(handle_, message, wParam, lParam); child && child != handle_) {
    WindowObject* childObject = FromHandlePermanent(child);
    Hold childHeld(childObject);  // a handler the child raises may destroy it
    LRESULT result = 0;
    if (childObject && childObject->OnReflectedMessage(message, wParam, lParam, &result)) return result;
  }
  return DefaultProc(message, wParam, lParam);
}

LRESULT WindowObject::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!handle_) return 0;
  if (originalProc_) return CallWindowProcW(originalProc_, handle_, message, wParam, lParam);
  return DefWindowProcW(handle_, message, wParam, lParam);
}

bool WindowObject::OnReflectedMessage(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

}  // namespace vx
