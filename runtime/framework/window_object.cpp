#include "runtime/framework/window_object.h"

#include <unordered_map>

namespace vx {
namespace {

// Window objects belong to the GUI thread; so does this map.
std::unordered_map<HWND, WindowObject*>& PermanentMap() {
  static std::unordered_map<HWND, WindowObject*> map;
  return map;
}

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
  if (window) PermanentMap().erase(window);
  handle_ = nullptr;
  return window;
}

WindowObject* WindowObject::FromHandlePermanent(HWND window) {
  auto found = PermanentMap().find(window);
  return found == PermanentMap().end() ? nullptr : found->second;
}

}  // namespace vx
