// Which windows the look takes over: the classification a theme engine does, by
// class name (without regard to case) and style, knowing nothing of who made the
// window.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "commands/control_look/look_kinds.h"

namespace vx::look {

struct WindowTraits {
  std::wstring_view className;
  uint32_t style = 0;
  bool hasCaption = false;
  // The parent (for a pop-up, its owner): an IP-address control's fields and a
  // simple combo box's list are left alone.
  std::wstring_view parentClass;
  uint32_t parentStyle = 0;
};

// The kind the window is taken over as, or nothing: a class the look does not
// know, one it only recognises, or a style it leaves to the system (bitmap
// buttons, owner-drawn and other button styles, simple combo boxes).
std::optional<LookKind> LookKindOf(const WindowTraits& window);

}  // namespace vx::look
